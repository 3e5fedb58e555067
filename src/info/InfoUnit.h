#pragma once
// The update check, feedback and about entries of the main window, wired into the
// shared context: ctx.CheckUpdate, ctx.ShowFeedbackDialog and ctx.ShowAboutDialog.
#include "info/AutoUpgrader.h"
#include "info/MessageSeam.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

struct TAppContext;
class QWidget;
class TAboutForm;
class TServerForm;
class TUpgradeDialogs;

class TInfoUnit {
public:
    // transport may be null for the real network; publicKey defaults to the built-in one.
    TInfoUnit(TAppContext &ctx, QWidget *mainWindow, TMessageSeam seam = MessageBoxSeam(),
              std::unique_ptr<IUpdateTransport> transport = nullptr, QByteArray publicKey = {});
    ~TInfoUnit();

    // Answers of the shared hooks.
    void N4Click();       // 检查更新: nothing while a check runs
    void MenuItem4Click(); // 意见反馈
    void MenuItem5Click(); // 关于我们

    void AutoUpgraderPro1NoUpdateAvailable();
    void AutoUpgraderPro1NoInfoFile();
    void AutoUpgraderPro1LostFile();

    TAutoUpgrader &AutoUpgraderPro1() { return *m_upgrader; }
    TUpgradeDialogs &Dialogs() { return *m_dialogs; }
    TServerForm *ServerForm() const;
    TAboutForm *AboutForm() const;

private:
    TAppContext &m_ctx;
    QWidget *m_mainWindow;
    TMessageSeam m_seam;
    std::unique_ptr<IUpdateTransport> m_transport;
    std::unique_ptr<TUpgradeDialogs> m_dialogs;
    std::unique_ptr<TAutoUpgrader> m_upgrader;
    QPointer<TServerForm> m_serverForm;
    QPointer<TAboutForm> m_aboutForm;
};

// The file name of the running program inside its folder ("CorvinaDesktop.exe" on Windows).
QString ProgramFileName();

// Starts the program again after this instance has let go of its single-instance name:
// declare it before the SingleInstance object in main() so it is destroyed after it.
class TRestartAfterExit {
public:
    void Request(const QString &programFile) { m_program = programFile; }
    ~TRestartAfterExit();

private:
    QString m_program;
};
