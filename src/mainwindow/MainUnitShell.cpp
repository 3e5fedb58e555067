// The window shell: system commands, tray, menus, links, and the status bar ticker.
#include "mainwindow/MainUnit.h"

#include "data/DataUnit.h"
#include "editors/TaskGridModel.h"
#include "mainwindow/SysCommand.h"
#include "platform/BootTime.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"
#include "scheduler/Countdown.h"
#include "scheduler/StatusTicker.h"
#include "settings/SystemsetUnit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
const QString BalloonTitle = QStringLiteral("提示信息");
const QString BalloonText = QStringLiteral("程序在继续运行，单击图标显示主界面");
// The balloon was asked for 20 ms, which the shell raised to its minimum of ten
// seconds; ask for what the user saw.
constexpr int BalloonMs = 10000;
} // namespace

void TMainForm::buildShell()
{
    const QString dir = m_ctx.vars.ProgramDir;
    const QString appIcon = dir + QStringLiteral("icons/corvina.png");
    if (QFileInfo(appIcon).isFile())
        setWindowIcon(QIcon(appIcon));

    // Centred on the screen at the first show.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }

    // Timer1 chimes in the second hh:00:00; a coarse timer may slide past it.
    Timer1->setTimerType(Qt::PreciseTimer);

    // ---- menus: the same entries in both, "退出" only in the tray's
    AdvPopupMenu1 = new QMenu(this);
    AdvPopupMenu1->setObjectName(QStringLiteral("AdvPopupMenu1"));
    AdvPopupMenu2 = new QMenu(this);
    AdvPopupMenu2->setObjectName(QStringLiteral("AdvPopupMenu2"));
    struct Entry {
        QAction **main;
        const char *mainName;
        QAction **tray;
        const char *trayName;
        const char16_t *caption;
        void (TMainForm::*handler)();
    };
    const Entry entries[] = {
        {&dddd1, "dddd1", &MenuItem1, "MenuItem1", u"个性皮肤", &TMainForm::dddd1Click},
        {&sssss1, "sssss1", &MenuItem2, "MenuItem2", u"个人设置", nullptr},
        {&rrrrrr1, "rrrrrr1", &MenuItem3, "MenuItem3", u"系统设置", &TMainForm::rrrrrr1Click},
        {&N6, "N6", &MenuItem4, "MenuItem4", u"意见反馈", &TMainForm::MenuItem4Click},
        {&N2, "N2", &N3, "N3", u"使用帮助", &TMainForm::N3Click},
        {&N4, "N4", &N5, "N5", u"检查更新", &TMainForm::N4Click},
        {&N7, "N7", &MenuItem5, "MenuItem5", u"关于我们", &TMainForm::MenuItem5Click},
    };
    for (const Entry &e : entries) {
        const QString caption = QString::fromUtf16(e.caption);
        *e.main = AdvPopupMenu1->addAction(caption);
        (*e.main)->setObjectName(QString::fromLatin1(e.mainName));
        *e.tray = AdvPopupMenu2->addAction(caption);
        (*e.tray)->setObjectName(QString::fromLatin1(e.trayName));
        if (e.handler) {
            connect(*e.main, &QAction::triggered, this, e.handler);
            connect(*e.tray, &QAction::triggered, this, e.handler);
        } else {
            (*e.main)->setVisible(false);
            (*e.tray)->setVisible(false);
        }
    }
    N1 = AdvPopupMenu2->addAction(QStringLiteral("退出"));
    N1->setObjectName(QStringLiteral("N1"));
    connect(N1, &QAction::triggered, this, &TMainForm::N1Click);
    connect(MainButton, &QPushButton::clicked, this, &TMainForm::MainButtonClick);

    // ---- tray icon, with a picture of its own
    CnTrayIcon1 = new QSystemTrayIcon(this);
    CnTrayIcon1->setObjectName(QStringLiteral("CnTrayIcon1"));
    QIcon trayIcon;
    for (const char *name : {"icons/tray22.png", "icons/tray.png"}) {
        const QString file = dir + QLatin1String(name);
        if (QFileInfo(file).isFile())
            trayIcon.addFile(file);
    }
    CnTrayIcon1->setIcon(trayIcon);
    CnTrayIcon1->setToolTip(QStringLiteral("青雀日程助手"));
    CnTrayIcon1->setContextMenu(AdvPopupMenu2);
    connect(CnTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::DoubleClick)
            ShowFromTray();
        // Trays that speak StatusNotifierItem report every click as Trigger and never a
        // double-click; there a click must still bring a hidden window back, as the
        // balloon promises. A click on a shown window does nothing.
        else if (why == QSystemTrayIcon::Trigger && !isVisible())
            ShowFromTray();
    });
    TrayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    // exit, not quit: no window may turn the end down once the note is saved
    EndMessageLoop = [] { QCoreApplication::exit(0); };
    if (TrayAvailable() && !trayIcon.isNull())
        CnTrayIcon1->show();

    // The window may be hidden while a dialog opened from the tray closes; only the
    // quit routine ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Logging out of the desktop, and any other end of the message loop, save the note too.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { FormClose(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_quitting) {
            m_quitting = true;
            FormClose();
        }
    });

    // ---- links and link tabs
    connect(loginLabel, &QLabel::linkActivated, this, [this] { loginLabelClick(); });
    connect(sWebLabel1, &QLabel::linkActivated, this, [this] { sWebLabel1Click(); });
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1);
    connect(Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    connect(sPageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        QWidget *page = sPageControl1->widget(index);
        if (page == sTabSheet7)
            sTabSheet7Show();
        else if (page == sTabSheet8)
            sTabSheet8Show();
    });

    SystemsetForm = new TSystemsetForm(m_ctx, this);
}

// ---- status bar and hourly chime

void TMainForm::Timer1Timer()
{
    if (!m_ctx.clock)
        return;
    const QDateTime now = m_ctx.clock->now();
    StatusPanel0->setText(StatusTicker::NowText(now));
    StatusTicker::HourlyChime(m_ctx.MediaPlayer2, m_ctx.vars.ProgramDir, now, m_ctx.vars.ChimeOn);
    StatusPanel2->setText(StatusTicker::TaskCountText(m_ctx.activeList ? m_ctx.activeList->ActiveTaskCount() : 0));
    StatusPanel1->setText(StatusTicker::UptimeText(MillisecondsSinceBoot()));
}

// ---- countdown column

void TMainForm::TimeroutTimerTimer()
{
    // The countdown tab's grid takes the texts, unless another window asked for them.
    std::function<void(int, const QString &)> write = m_ctx.SetRemainingText;
    if (!write && TimeGridModel)
        write = [model = TimeGridModel](int row, const QString &text) { model->setRemainingText(row, text); };
    if (!m_ctx.clock || !m_ctx.data || !write)
        return;
    const auto texts = Countdown::CountdownTexts(m_ctx.data->ADOTime, m_ctx.clock->now());
    for (const Countdown::TRemainingText &t : texts)
        write(t.row, t.text);
}

// ---- system commands

bool TMainForm::WMSysCommand(quint32 code)
{
    const bool tray = CnTrayIcon1 && TrayAvailable && TrayAvailable();
    switch (SysCommand::WMSysCommand(code, m_ctx.vars.CloseExits, tray)) {
    case SysCommand::TAction::PassOn:
        return false;
    case SysCommand::TAction::HideToTray:
        HideToTray();
        return true;
    case SysCommand::TAction::Minimize:
        if (!isMinimized())
            showMinimized();
        return true;
    case SysCommand::TAction::Close:
        QuitProgram();
        return true;
    }
    return false;
}

void TMainForm::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange || !isMinimized() || !isVisible())
        return;
    // A minimise reaches us after the window system has done it; hide once the state
    // change is through (a minimise without a tray simply stays one).
    const bool tray = CnTrayIcon1 && TrayAvailable && TrayAvailable();
    if (SysCommand::WMSysCommand(SysCommand::ScMinimize, m_ctx.vars.CloseExits, tray)
        == SysCommand::TAction::HideToTray)
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && isVisible())
                HideToTray();
        });
}

#ifdef Q_OS_WIN
bool TMainForm::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    // Minimise is taken before the system animates it to the taskbar; close comes
    // back to us as a close event.
    auto *msg = static_cast<MSG *>(message);
    if (msg->message == WM_SYSCOMMAND && quint32(msg->wParam) == SysCommand::ScMinimize
        && WMSysCommand(SysCommand::ScMinimize)) {
        *result = 0;
        return true;
    }
    return QWidget::nativeEvent(eventType, message, result);
}
#endif

void TMainForm::shellCloseEvent(QCloseEvent *e)
{
    // A close asked for by the program itself (or by the application ending) is never
    // turned into a hide; only the user's close command follows CloseExits.
    if (m_quitting || !e->spontaneous()) {
        QuitProgram();
        e->accept();
        return;
    }
    const bool tray = CnTrayIcon1 && TrayAvailable && TrayAvailable();
    const auto action = SysCommand::WMSysCommand(SysCommand::ScClose, m_ctx.vars.CloseExits, tray);
    if (action == SysCommand::TAction::Close) {
        QuitProgram();
        e->accept();
        return;
    }
    e->ignore();
    WMSysCommand(SysCommand::ScClose);
}

void TMainForm::HideToTray()
{
    hide(); // takes the taskbar button with it
    if (CnTrayIcon1) {
        if (!CnTrayIcon1->isVisible())
            CnTrayIcon1->show();
        CnTrayIcon1->showMessage(BalloonTitle, BalloonText, QSystemTrayIcon::Information, BalloonMs);
    }
}

void TMainForm::ShowFromTray()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TMainForm::QuitProgram()
{
    if (m_quitting)
        return;
    m_quitting = true;
    FormClose(); // the note's text and heights
    if (CnTrayIcon1)
        CnTrayIcon1->hide();
    if (EndMessageLoop)
        EndMessageLoop();
}

// ---- menus

void TMainForm::MainButtonClick()
{
    const QPoint p = QCursor::pos();
    AdvPopupMenu1->popup(QPoint(p.x() - 100, p.y() + 20));
}

void TMainForm::dddd1Click()
{
    if (m_ctx.ShowStyleDialog)
        m_ctx.ShowStyleDialog();
}

void TMainForm::rrrrrr1Click()
{
    if (SystemsetForm)
        SystemsetForm->exec();
}

void TMainForm::MenuItem4Click()
{
    if (m_ctx.ShowFeedbackDialog)
        m_ctx.ShowFeedbackDialog();
}

void TMainForm::N3Click()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenWebAddress(m_ctx.vars.HelpPageUrl);
}

void TMainForm::N4Click()
{
    if (m_ctx.CheckUpdate)
        m_ctx.CheckUpdate();
}

void TMainForm::MenuItem5Click()
{
    if (m_ctx.ShowAboutDialog)
        m_ctx.ShowAboutDialog();
}

void TMainForm::N1Click()
{
    QuitProgram();
}

// ---- links

void TMainForm::loginLabelClick()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenWebAddress(m_ctx.vars.LoginPageUrl);
}

void TMainForm::sWebLabel1Click()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenWebAddress(m_ctx.vars.SignUpPageUrl);
}

void TMainForm::sTabSheet7Show()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenWebAddress(m_ctx.vars.SecondSiteUrl);
    Timer2->start();
}

void TMainForm::sTabSheet8Show()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenWebAddress(m_ctx.vars.ShowcasePageUrl);
    Timer2->start();
}

void TMainForm::Timer2Timer()
{
    Timer2->stop();
    sPageControl1->setCurrentIndex(0);
}
