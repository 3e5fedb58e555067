#include "mainwindow/SysCommand.h"

namespace SysCommand {

TAction WMSysCommand(quint32 code, bool closeExits, bool trayAvailable)
{
    const TAction hide = trayAvailable ? TAction::HideToTray : TAction::Minimize;
    if (code == ScMinimize)
        return hide;
    if (code == ScClose)
        return closeExits ? TAction::Close : hide;
    return TAction::PassOn;
}

} // namespace SysCommand
