#pragma once
// One-key access to a Windows-style INI file, as the settings files need it:
// section and key names match without regard to case, the first of duplicate
// keys wins, nothing is cached, reading never creates anything, and writing
// changes only the one line it must (comments and every other line are kept)
// and replaces the file atomically. The text encoding is kept: UTF-8 (with or
// without BOM), UTF-16 with BOM, or GB18030 for files that are not valid UTF-8.
#include <QString>

namespace IniFile {

QString Read(const QString &path, const QString &section, const QString &key, const QString &defaultValue);
// Returns false when the file could not be written (the old file is then left as it was).
bool Write(const QString &path, const QString &section, const QString &key, const QString &value);

} // namespace IniFile
