#pragma once
// The three choices of the system settings dialog and how they are stored:
// [System] Autorun / Clocktype / Closetype ("0" is the first choice), the in-memory
// flags, and the start-with-login entry.
#include "mainwindow/MainConfig.h"

struct TSystemChoices {
    bool autorun = false;    // 开机自动启动
    bool chime = true;       // 整点报时
    bool closeExits = true;  // 关闭程序 (else 最小化程序)
    bool operator==(const TSystemChoices &) const = default;
};

namespace SystemSettings {

// The choices the dialog shows when it is created: the flags read at start-up.
TSystemChoices FromVars(const TMainVars &vars);
// "恢复默认": start with login, announce the hour, close minimises.
TSystemChoices Defaults();
// "确定": writes the three keys in order, sets or removes the login entry, and updates
// ChimeOn and CloseExits. AutorunOn keeps its start-up value. A login entry that cannot
// be written is skipped silently; the key is written all the same.
void Store(TMainVars &vars, const TSystemChoices &choices);

} // namespace SystemSettings
