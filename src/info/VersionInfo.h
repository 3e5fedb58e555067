#pragma once
// The program's version text: major and minor number of the build's file version.
#include <QString>
#include <QtGlobal>
#include <optional>

// The most significant 32 bits of a file version hold major (upper 16) and minor (lower 16).
// Without version information the text is "0.0.0.0".
QString VersionTextOf(std::optional<quint32> fileVersionMS);

// The running program's version text, from the version the build was made with ("3.25").
QString VersionText();
