#include "alerts/QtMediaPlayer.h"
#include "data/DataUnit.h"
#include "info/InfoUnit.h"
#include "info/VersionInfo.h"
#include "mainwindow/AppContext.h"
#include "mainwindow/MainUnit.h"
#include "note/TodayUnit.h"
#include "platform/Clock.h"
#include "platform/DesktopShell.h"
#include "platform/EndSignals.h"
#include "platform/SingleInstance.h"
#include "scheduler/ActiveTaskList.h"
#include "settings/SkinManager.h"
#include "settings/StylesetUnit.h"
#include "webpanels/WebEngineSetup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    // web panels: engine flags (one renderer, no sandbox as root) before the application exists
    PrepareWebEngine();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CorvinaDesktop"));
    QApplication::setApplicationDisplayName(QStringLiteral("青雀日程助手"));
    QApplication::setApplicationVersion(QStringLiteral("3.25.0.0"));

    // Everything the program uses lies beside the executable.
    const QString programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');

    TRestartAfterExit restartAfterExit; // destroyed after the single-instance name is released
    SingleInstance instance(programDir);
    if (instance.notifyRunning())
        return 0;
    instance.listen();

    SystemClock clock;
    DesktopShell shell;
    TDataModule1 DataModule1;
    TActiveTaskList activeList;
    TAppContext ctx;
    ctx.vars = LoadMainVars(programDir);
    ctx.vars.VersionText = VersionText();
    ctx.clock = &clock;
    ctx.data = &DataModule1;
    ctx.activeList = &activeList;
    ctx.shell = &shell; // the shutdown warning saves the note itself before the script runs
    ctx.WebPanelsOn = true;
    // the sound players: alerts and previews, and the hourly chime
    TMediaPlayer MediaPlayer1;
    TMediaPlayer MediaPlayer2;
    ctx.MediaPlayer1 = &MediaPlayer1;
    ctx.MediaPlayer2 = &MediaPlayer2;

    // The stored skin is on before the first window is built.
    TSkinManager sSkinManager1;
    sSkinManager1.SkinDirectory = ctx.vars.SkinDir;
    sSkinManager1.setSkinName(ctx.vars.StyleName);
    sSkinManager1.setActive(true);

    TMainForm MainForm(ctx);
    TTodayForm TodayForm(ctx); // hidden until the main window's first show
    ctx.SaveNote = [&TodayForm] { TodayForm.SaveNote(); };
    ctx.ShowNote = [&TodayForm] { TodayForm.ShowNote(); };
    TStylesetForm StylesetForm(ctx, sSkinManager1, &MainForm);
    ctx.ShowStyleDialog = [&StylesetForm] { StylesetForm.exec(); };
    // Update check, feedback and about: sets ctx.CheckUpdate, ShowFeedbackDialog, ShowAboutDialog.
    TInfoUnit info(ctx, &MainForm);
    info.AutoUpgraderPro1().OnRestart = [&] {
        if (ctx.SaveNote)
            ctx.SaveNote();
        restartAfterExit.Request(programDir + ProgramFileName());
        QCoreApplication::quit();
    };
    QObject::connect(&instance, &SingleInstance::activationRequested, &MainForm, &TMainForm::ShowFromTray);
    // window shell: a session ending by signal goes through the quit routine too
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::endRequested, &MainForm, &TMainForm::QuitProgram);
    MainForm.show();
    return app.exec();
}
