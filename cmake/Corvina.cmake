# corvina_add_test(<name> <sources...> [LIBS <libs...>]): one GoogleTest executable, registered with CTest.
function(corvina_add_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE corvina_core corvina_testsupport GTest::gtest GTest::gtest_main ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;TZ=UTC"
    TIMEOUT 300)
endfunction()

# corvina_add_bench(<name> <sources...> [LIBS <libs...>])
function(corvina_add_bench name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE corvina_core corvina_testsupport benchmark::benchmark benchmark::benchmark_main ${ARG_LIBS})
endfunction()
