// Shows the main window, the skin dialog and the desktop note wearing one skin,
// for looking at a skin by eye: skin_viewer <program folder> <skin name>
#include "data/DataUnit.h"
#include "mainwindow/AppContext.h"
#include "mainwindow/MainUnit.h"
#include "note/TodayUnit.h"
#include "platform/Clock.h"
#include "scheduler/ActiveTaskList.h"
#include "settings/SkinManager.h"
#include "settings/StylesetUnit.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString programDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    SystemClock clock;
    TDataModule1 data;
    TActiveTaskList list;
    TAppContext ctx;
    ctx.vars = LoadMainVars(programDir);
    ctx.clock = &clock;
    ctx.data = &data;
    ctx.activeList = &list;
    TSkinManager skins;
    skins.SkinDirectory = ctx.vars.SkinDir;
    skins.setSkinName(QString::fromLocal8Bit(argv[2]));
    skins.setActive(true);
    TMainForm main(ctx);
    TTodayForm note(ctx);
    ctx.ShowNote = [&note] { note.ShowNote(); };
    TStylesetForm dialog(ctx, skins, &main);
    main.move(10, 10);
    main.show();
    dialog.move(60, 420);
    dialog.show();
    return app.exec();
}
