#pragma once
// What the main window does with a title-bar command: minimise always hides to the
// tray, close ends the program or hides per CloseExits, anything else is the system's.
// Without a notification area nothing may be hidden (the program could not be reached
// again), so hiding becomes an ordinary minimise there.
#include <QtGlobal>

namespace SysCommand {

// The system-command codes, compared as whole values.
constexpr quint32 ScMinimize = 0xF020;
constexpr quint32 ScClose = 0xF060;
constexpr quint32 ScMove = 0xF010;
constexpr quint32 ScKeyMenu = 0xF100;
constexpr quint32 ScRestore = 0xF120;

enum class TAction {
    PassOn,     // default handling of the window system
    HideToTray, // hide window and taskbar button, show the balloon
    Minimize,   // an ordinary minimise
    Close,      // end the program (the quit routine)
};

TAction WMSysCommand(quint32 code, bool closeExits, bool trayAvailable);

} // namespace SysCommand
