#include "info/InfoUnit.h"

#include "info/AboutUnit.h"
#include "info/NetworkTransport.h"
#include "info/ServerUnit.h"
#include "info/UpdateDescription.h"
#include "info/UpgradeDialogs.h"
#include "mainwindow/AppContext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

TInfoUnit::TInfoUnit(TAppContext &ctx, QWidget *mainWindow, TMessageSeam seam,
                     std::unique_ptr<IUpdateTransport> transport, QByteArray publicKey)
    : m_ctx(ctx), m_mainWindow(mainWindow), m_seam(std::move(seam)),
      m_transport(transport ? std::move(transport) : std::make_unique<TNetworkTransport>())
{
    m_dialogs = std::make_unique<TUpgradeDialogs>(mainWindow, m_seam);
    m_upgrader = std::make_unique<TAutoUpgrader>(*m_transport, *m_dialogs,
                                                 publicKey.isEmpty() ? BuiltInUpdatePublicKey() : publicKey);
    TAutoUpgrader &u = *m_upgrader;
    u.ApplicationTitle = QStringLiteral("青雀日程助手");
    u.InfoFileURL = QUrl(Vendor::Site + QStringLiteral("/corvinaupdate/AutoUpdater.inf"));
    u.InfoFile.Files = {ProgramFileName()};
    u.InfoFile.UpgradeMsg = QStringLiteral("程序更新");
    u.VersionControl = TAutoUpgrader::byNumber;
    u.VersionNumber = ctx.vars.VersionText;
    u.VersionDate = QStringLiteral("2011-11-13 00:00:00");
    u.VersionDateAutoSet = true;
    u.ProgramDir = ctx.vars.ProgramDir;
    u.OnNoUpdateAvailable = [this] { AutoUpgraderPro1NoUpdateAvailable(); };
    u.OnNoInfoFile = [this] { AutoUpgraderPro1NoInfoFile(); };
    u.OnLostFile = [this] { AutoUpgraderPro1LostFile(); };

    m_serverForm = new TServerForm(ctx, mainWindow);
    m_aboutForm = new TAboutForm(ctx, mainWindow);

    ctx.CheckUpdate = [this] { N4Click(); };
    ctx.ShowFeedbackDialog = [this] { MenuItem4Click(); };
    ctx.ShowAboutDialog = [this] { MenuItem5Click(); };
}

TInfoUnit::~TInfoUnit()
{
    m_ctx.CheckUpdate = nullptr;
    m_ctx.ShowFeedbackDialog = nullptr;
    m_ctx.ShowAboutDialog = nullptr;
    delete m_serverForm; // unless the main window took them along already
    delete m_aboutForm;
}

TServerForm *TInfoUnit::ServerForm() const
{
    return m_serverForm;
}

TAboutForm *TInfoUnit::AboutForm() const
{
    return m_aboutForm;
}

void TInfoUnit::N4Click()
{
    if (m_upgrader->Busy())
        return;
    m_upgrader->CheckUpdate();
}

void TInfoUnit::MenuItem4Click()
{
    if (m_serverForm)
        m_serverForm->exec();
}

void TInfoUnit::MenuItem5Click()
{
    if (m_aboutForm)
        m_aboutForm->exec();
}

void TInfoUnit::AutoUpgraderPro1NoUpdateAvailable()
{
    if (m_seam.Inform)
        m_seam.Inform(m_mainWindow, m_upgrader->ApplicationTitle,
                      QStringLiteral("您使用的是最新版本，本机版本号：") + m_ctx.vars.VersionText
                          + QStringLiteral("\r\n") + QStringLiteral("服务器上程序版本号：")
                          + m_upgrader->RemoteVersionNumber());
}

void TInfoUnit::AutoUpgraderPro1NoInfoFile()
{
    if (m_seam.Inform)
        m_seam.Inform(m_mainWindow, m_upgrader->ApplicationTitle, QStringLiteral("对不起，在服务器上找不到配置文件！"));
}

void TInfoUnit::AutoUpgraderPro1LostFile()
{
    if (m_seam.Inform)
        m_seam.Inform(m_mainWindow, m_upgrader->ApplicationTitle,
                      QStringLiteral("对不起，服务器上没有新版本的主程序！"));
}

QString ProgramFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("CorvinaDesktop.exe");
#else
    return QStringLiteral("CorvinaDesktop");
#endif
}

TRestartAfterExit::~TRestartAfterExit()
{
    if (!m_program.isEmpty())
        QProcess::startDetached(m_program, {}, QFileInfo(m_program).absolutePath());
}
