#include "data/DataUnit.h"
#include "mainwindow/AppContext.h"
#include "mainwindow/MainUnit.h"
#include "note/TodayUnit.h"
#include "platform/Clock.h"
#include "platform/DesktopShell.h"
#include "platform/SingleInstance.h"
#include "scheduler/ActiveTaskList.h"
#include "settings/SkinManager.h"
#include "settings/StylesetUnit.h"

#include <QApplication>
#include <QSessionManager>
#include <QDir>

namespace {
// The note's text is saved before the shutdown script can power the machine off under it.
class NoteSavingShell : public IShell {
public:
    NoteSavingShell(IShell &inner, TAppContext &ctx) : m_inner(inner), m_ctx(ctx) {}
    void OpenWebAddress(const QString &a) override { m_inner.OpenWebAddress(a); }
    void OpenMailAddress(const QString &a) override { m_inner.OpenMailAddress(a); }
    void StartProgram(const QString &f, const QString &m) override { m_inner.StartProgram(f, m); }
    void RunShutdownScript(const QString &dir) override
    {
        if (m_ctx.SaveNote)
            m_ctx.SaveNote();
        m_inner.RunShutdownScript(dir);
    }

private:
    IShell &m_inner;
    TAppContext &m_ctx;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CorvinaDesktop"));
    QApplication::setApplicationDisplayName(QStringLiteral("青雀日程助手"));
    QApplication::setApplicationVersion(QStringLiteral("3.25.0.0"));

    // Everything the program uses lies beside the executable.
    const QString programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');

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
    ctx.clock = &clock;
    ctx.data = &DataModule1;
    ctx.activeList = &activeList;
    NoteSavingShell noteSavingShell(shell, ctx);
    ctx.shell = &noteSavingShell;

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
    // Typed text survives every ending: quitting from the tray, logging out.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&ctx] { if (ctx.SaveNote) ctx.SaveNote(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [&ctx](QSessionManager &) {
        if (ctx.SaveNote)
            ctx.SaveNote();
    });
    QObject::connect(&instance, &SingleInstance::activationRequested, &MainForm, &TMainForm::ShowFromTray);
    MainForm.show();
    return app.exec();
}
