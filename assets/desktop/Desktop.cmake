# The menu launcher of the program folder: a desktop entry with the folder's absolute
# paths, made at configure time. tools/install_launcher.sh puts it into the user's menu.
set(CORVINA_DESKTOP_EXEC "${CORVINA_PROGRAM_DIR}/CorvinaDesktop")
if(CORVINA_DESKTOP_EXEC MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
  # quoted as desktop entries need it
  string(REPLACE "\\" "\\\\\\\\" _exec "${CORVINA_DESKTOP_EXEC}")
  string(REPLACE "\"" "\\\\\"" _exec "${_exec}")
  string(REPLACE "$" "\\\\$" _exec "${_exec}")
  string(REPLACE "`" "\\\\`" _exec "${_exec}")
  set(CORVINA_DESKTOP_EXEC "\"${_exec}\"")
endif()
string(REPLACE "%" "%%" CORVINA_DESKTOP_EXEC "${CORVINA_DESKTOP_EXEC}")
if(NOT WIN32)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/CorvinaDesktop.desktop.in ${CORVINA_PROGRAM_DIR}/CorvinaDesktop.desktop @ONLY)
endif()
