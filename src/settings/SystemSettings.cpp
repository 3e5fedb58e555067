#include "settings/SystemSettings.h"

#include "platform/Autostart.h"

namespace SystemSettings {

namespace {
const QString System = QStringLiteral("System");
QString code(bool firstChoice) { return firstChoice ? QStringLiteral("0") : QStringLiteral("1"); }
} // namespace

TSystemChoices FromVars(const TMainVars &vars)
{
    return {vars.AutorunOn, vars.ChimeOn, vars.CloseExits};
}

TSystemChoices Defaults()
{
    return {true, true, false};
}

void Store(TMainVars &vars, const TSystemChoices &c)
{
    const QString &dir = vars.ProgramDir;
    WriteMainConfig(dir, System, QStringLiteral("Autorun"), code(c.autorun));
    if (c.autorun)
        Autostart::SetEntry(dir);
    else
        Autostart::RemoveEntry();
    WriteMainConfig(dir, System, QStringLiteral("Clocktype"), code(c.chime));
    vars.ChimeOn = c.chime;
    WriteMainConfig(dir, System, QStringLiteral("Closetype"), code(c.closeExits));
    vars.CloseExits = c.closeExits;
}

} // namespace SystemSettings
