#pragma once
// The start-with-login entry "青雀日程助手", which starts ProgramDir + "CorvinaDesktop".
// Linux: an XDG autostart desktop entry under $XDG_CONFIG_HOME/autostart (default
// ~/.config/autostart). Windows: the value under HKLM\...\CurrentVersion\Run.
// Callers ignore failures; the functions say whether the entry is as asked.
#include <QString>

namespace Autostart {

inline const QString EntryName = QStringLiteral("青雀日程助手");

// The program file the entry starts: ProgramDir + "CorvinaDesktop" ("CorvinaDesktop.exe"
// on Windows), whatever the running file is called; native separators.
QString ProgramFile(const QString &programDir);

// Linux: the desktop entry's file, and its text (also used for the menu launcher).
QString EntryFile();
QString DesktopEntryText(const QString &programDir, bool autostart);
// Exec= value: the path, quoted and escaped as desktop entries need when it holds
// blanks or other reserved characters.
QString ExecValue(const QString &path);

bool SetEntry(const QString &programDir); // creates or replaces the entry
bool RemoveEntry();                       // a missing entry is no error
bool HasEntry();

} // namespace Autostart
