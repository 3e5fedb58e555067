#pragma once
// The main window: top strip, the eight tabs, the status bar and the three
// one-second timers. Rules live in core; this class wires widgets to them.
#include "mainwindow/AppContext.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableView;
class QTimer;
class QGroupBox;
class QAction;
class QMenu;
class QSystemTrayIcon;
class TSystemsetForm;
class TAlertDispatch;
class TDueCheck;
class TOffHintForm;
class TMainWebPanelSet;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(TAppContext &ctx, QWidget *parent = nullptr);
    ~TMainForm() override;

    TAppContext &context() { return m_ctx; }

    // Reloads the active task list (the home tab's grid). Throws EDatabaseError.
    void AddMaingrid();
    // Reloads the row set of one kind's tab (kind index 0..4) with state 0 or 1.
    void resfgriddata(int stype, int tasktype);

    // Brings the window to the front (a second start of the program asks for this).
    void ShowFromTray();

    // ---- widgets of the frame
    QWidget *BannerArea = nullptr; // 468 x 21 at 8, 8: the banner's place in the top strip
    QLabel *loginLabel = nullptr;
    QLabel *sWebLabel1 = nullptr;
    QPushButton *MainButton = nullptr;
    QTabWidget *sPageControl1 = nullptr;
    QWidget *sTabSheet1 = nullptr; // 首页
    QWidget *sTabSheet2 = nullptr; // 今日日程
    QWidget *sTabSheet3 = nullptr; // 闹钟任务
    QWidget *sTabSheet4 = nullptr; // 倒计时器
    QWidget *sTabSheet5 = nullptr; // 执行程序
    QWidget *sTabSheet6 = nullptr; // 定时关机
    QWidget *sTabSheet7 = nullptr; // 名站导航
    QWidget *sTabSheet8 = nullptr; // 精品展厅
    QLabel *MainGridCaption = nullptr; // "近期任务"
    QTableView *MainStringGrid = nullptr;
    QGroupBox *sGroupBox1 = nullptr; // 快速新建
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QLabel *StatusPanel1 = nullptr;
    QLabel *StatusPanel2 = nullptr;

    // ---- timers (1000 ms, running from creation)
    QTimer *CheckTimer = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timerouttimer = nullptr;

    // ---- task tabs (MainUnitTabs.cpp)
    // Kind index 0 日程, 1 闹钟, 2 程序, 3 关机, 4 计时. (Elaborated names: no extra includes here.)
    class QComboBox *sComboBox1 = nullptr, *sComboBox2 = nullptr, *sComboBox3 = nullptr, *sComboBox4 = nullptr,
                    *sComboBox5 = nullptr; // filters of 闹钟, 日程, 程序, 关机, 计时
    QTableView *TodayStringGrid = nullptr, *ClockStringGrid = nullptr, *ExeStringGrid = nullptr,
               *OffStringGrid = nullptr, *TimeStringGrid = nullptr;
    class TTaskGridModel *TodayGridModel = nullptr, *ClockGridModel = nullptr, *ExeGridModel = nullptr,
                         *OffGridModel = nullptr,
                         *TimeGridModel = nullptr; // its 剩余时间 column: setRemainingText(row, text)
    QPushButton *TodayaddButton = nullptr, *TodayeditButton = nullptr, *TodaydelButton = nullptr;
    QPushButton *ClockaddButton = nullptr, *ClockeditButton = nullptr, *ClockdelButton = nullptr;
    QPushButton *ExeaddButton = nullptr, *ExeeditButton = nullptr, *ExedelButton = nullptr;
    QPushButton *OffaddButton = nullptr, *OffeditButton = nullptr, *OffdelButton = nullptr;
    QPushButton *TimeaddButton = nullptr, *TimeeditButton = nullptr, *TimedelButton = nullptr;
    QPushButton *OpenButton = nullptr; // 桌面悬浮
    QPushButton *ClockButton = nullptr, *ExeButton = nullptr, *OffButton = nullptr, *TimeButton = nullptr,
                *TodayButton = nullptr; // 快速新建
    // The five editors, created once with the window and reused.
    class TTaskEditorForm *ClockForm = nullptr, *TodaysetForm = nullptr, *TimeForm = nullptr, *ExeForm = nullptr,
                          *OffForm = nullptr;
    TTaskEditorForm *editorForKind(int kindIndex) const;
    // Seams of the tab handlers: the modal showing of an editor, and the error box.
    std::function<int(TTaskEditorForm *)> showEditor;
    std::function<void(const QString &)> tabMessage;

    void TodayaddButtonClick();
    void ClockaddButtonClick();
    void ExeButtonClick();
    void OffButtonClick();
    void TimeButtonClick();
    void TodayStringGridDblClick();
    void ClockStringGridDblClick();
    void ExeStringGridDblClick();
    void OffStringGridDblClick();
    void TimeStringGridDblClick();
    void TodaydelButtonClick();
    void ClockdelButtonClick();
    void ExedelButtonClick();
    void OffdelButtonClick();
    void TimedelButtonClick();
    void sComboBox1Change();
    void sComboBox2Change();
    void sComboBox3Change();
    void sComboBox4Change();
    void sComboBox5Change();
    void OpenButtonClick();
    // A reminder's "修改": loads the task and opens its kind's editor (an editor already
    // showing is only brought to the front).
    void EditTaskById(const QString &kind, const QString &id);
    // The handlers above, by kind index.
    void NewTaskOfKind(int kindIndex);
    void ChangeTaskOfKind(int kindIndex);
    void DeleteTaskOfKind(int kindIndex);
    void FilterOfKindChanged(int kindIndex);

    // ---- scheduler and alerts (MainUnitScheduler.cpp)
    // Raises a due task: a reminder (off false) or the shutdown warning; returns when answered.
    void showhint(const QString &ttop, const QString &ttype, const QString &ttime, const QString &tmemo,
                  const QString &tid, const QString &txh, bool off);
    TAlertDispatch *AlertDispatch = nullptr;
    TOffHintForm *OffHintForm = nullptr; // the one shutdown warning
    std::shared_ptr<TDueCheck> DueCheck;

    // ---- window shell, tray, menus, status bar (MainUnitShell.cpp)
    QSystemTrayIcon *CnTrayIcon1 = nullptr;
    QMenu *AdvPopupMenu1 = nullptr; // main menu, opened by MainButton
    QMenu *AdvPopupMenu2 = nullptr; // tray menu
    // main menu items
    QAction *dddd1 = nullptr;   // 个性皮肤
    QAction *sssss1 = nullptr;  // 个人设置 (hidden)
    QAction *rrrrrr1 = nullptr; // 系统设置
    QAction *N6 = nullptr;      // 意见反馈
    QAction *N2 = nullptr;      // 使用帮助
    QAction *N4 = nullptr;      // 检查更新
    QAction *N7 = nullptr;      // 关于我们
    // tray menu items
    QAction *MenuItem1 = nullptr; // 个性皮肤
    QAction *MenuItem2 = nullptr; // 个人设置 (hidden)
    QAction *MenuItem3 = nullptr; // 系统设置
    QAction *MenuItem4 = nullptr; // 意见反馈
    QAction *N3 = nullptr;        // 使用帮助
    QAction *N5 = nullptr;        // 检查更新
    QAction *MenuItem5 = nullptr; // 关于我们
    QAction *N1 = nullptr;        // 退出
    QTimer *Timer2 = nullptr;     // brings the home tab back after a link tab
    TSystemsetForm *SystemsetForm = nullptr;
    // Whether the desktop has a notification area, and how the message loop is left;
    // both replaceable for tests.
    std::function<bool()> TrayAvailable;
    std::function<void()> EndMessageLoop;

    // Carries out a minimise or close command; false when it is left to the window system.
    bool WMSysCommand(quint32 code);
    void HideToTray();
    // The one way the program ends: saves the note, then leaves the message loop.
    void QuitProgram();
    void MainButtonClick();
    void dddd1Click();
    void rrrrrr1Click();
    void MenuItem4Click();
    void N3Click();
    void N4Click();
    void MenuItem5Click();
    void N1Click();
    void loginLabelClick();
    void sWebLabel1Click();
    void sTabSheet7Show();
    void sTabSheet8Show();
    void Timer2Timer();

protected:
    void changeEvent(QEvent *e) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

private:
    void shellCloseEvent(QCloseEvent *e);
    bool m_quitting = false;

public:

    // ---- web panels (webpanels/)
    // The banner and the tabs' panels; their browsers are made when the window is
    // first painted (the banner and the shown tab) or when a tab is first shown.
    TMainWebPanelSet *WebPanels = nullptr;
    void CreateTabWebPanels(int tabIndex);

    // ---- note, skins, updates

public slots:
    void CheckTimerTimer();
    void Timer1Timer();
    void TimeroutTimerTimer();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    // Each part of the window builds its own widgets, in its own file.
    void buildTaskTabs();   // MainUnitTabs.cpp
    void setupScheduler();  // MainUnitScheduler.cpp
    void buildShell();      // MainUnitShell.cpp
    void setupWebPanels();  // start-up step 4

    void buildFrame();
    void buildHomeTab();
    void FormCreate();
    void FormShow();
    void FormClose();

    TAppContext &m_ctx;
};
