#pragma once
// What every window and action of one running program shares: the start-up
// variables, the clock, the data module, the active task list, the sound players,
// the shell, and the few calls one window makes into another.
#include "mainwindow/MainConfig.h"
#include "webpanels/AdConfig.h"

#include <QString>
#include <functional>

class IClock;
class TDataModule1;
class TActiveTaskList;
class IMediaPlayer;
class IShell;

struct TAppContext {
    TMainVars vars;
    IClock *clock = nullptr;
    TDataModule1 *data = nullptr;
    TActiveTaskList *activeList = nullptr;
    IMediaPlayer *MediaPlayer1 = nullptr; // alerts and previews
    IMediaPlayer *MediaPlayer2 = nullptr; // the hourly chime
    IShell *shell = nullptr;

    // Calls across windows; each is set by the window that answers it and may be empty.
    // Opens the kind's editor on the task with this id (a reminder's "修改").
    std::function<void(const QString &kind, const QString &id)> EditTask;
    // Reloads a kind's tab by reopening its row set (kind index 0..4).
    std::function<void(int kindIndex)> ReloadTab;
    // Saves the desktop note's text and heights (every way the program ends, before a shutdown).
    std::function<void()> SaveNote;
    // Shows the desktop note.
    std::function<void()> ShowNote;
    // Starts an update check unless one is running.
    std::function<void()> CheckUpdate;
    // Writes the "剩余时间" text of one row of the countdown tab (row of ADOTime).
    std::function<void(int row, const QString &text)> SetRemainingText;
    // Show the skin, feedback and about dialogs modally.
    std::function<void()> ShowStyleDialog;
    std::function<void()> ShowFeedbackDialog;
    std::function<void()> ShowAboutDialog;
    // The web panels' addresses (AD/Config.ini), read while the main window is created.
    TAdConfig AdConfig = DefaultAdConfig();
    // Web browsers in the panels of every window; off in tests that do not ask for the engine.
    bool WebPanelsOn = false;
};
