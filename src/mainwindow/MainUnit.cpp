#include "mainwindow/MainUnit.h"

#include "data/DataUnit.h"
#include "platform/Clock.h"
#include "scheduler/ActiveTaskList.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace {
template <class W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

TMainForm::TMainForm(TAppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx)
{
    setObjectName(QStringLiteral("MainForm"));
    buildFrame();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildFrame()
{
    setWindowTitle(QStringLiteral("青雀日程助手"));
    setFixedSize(644, 388);

    BannerArea = named(new QWidget(this), "BannerArea");
    BannerArea->setGeometry(8, 8, 468, 21);

    auto link = [this](const char *name, const QString &text, int x, int y) {
        auto *l = named(new QLabel(this), name);
        l->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(text)); // the skin's link colour
        l->setTextFormat(Qt::RichText);
        l->setCursor(Qt::PointingHandCursor);
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    loginLabel = link("loginLabel", QStringLiteral("登录"), 504, 11);
    sWebLabel1 = link("sWebLabel1", QStringLiteral("注册"), 547, 11);

    MainButton = named(new QPushButton(QStringLiteral("主菜单"), this), "MainButton");
    MainButton->setGeometry(592, 6, 42, 25);

    sPageControl1 = named(new QTabWidget(this), "sPageControl1");
    sPageControl1->setGeometry(8, 35, 626, 323);
    struct Sheet {
        QWidget **w;
        const char *name;
        const char16_t *caption;
    };
    const Sheet sheets[] = {
        {&sTabSheet1, "sTabSheet1", u"首页"},     {&sTabSheet2, "sTabSheet2", u"今日日程"},
        {&sTabSheet3, "sTabSheet3", u"闹钟任务"}, {&sTabSheet4, "sTabSheet4", u"倒计时器"},
        {&sTabSheet5, "sTabSheet5", u"执行程序"}, {&sTabSheet6, "sTabSheet6", u"定时关机"},
        {&sTabSheet7, "sTabSheet7", u"名站导航"}, {&sTabSheet8, "sTabSheet8", u"精品展厅"},
    };
    for (const Sheet &s : sheets) {
        *s.w = named(new QWidget, s.name);
        sPageControl1->addTab(*s.w, QString::fromUtf16(s.caption));
    }
    buildHomeTab();
    buildTaskTabs();

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 364, 644, 24);
    StatusPanel0 = named(new QLabel, "StatusPanel0");
    StatusPanel1 = named(new QLabel, "StatusPanel1");
    StatusPanel2 = named(new QLabel, "StatusPanel2");
    StatusPanel0->setFixedWidth(250);
    StatusPanel1->setFixedWidth(250);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1);
    StatusBar1->addWidget(StatusPanel2, 1); // the last panel takes the rest of the bar

    auto secondTimer = [this](const char *name) {
        auto *t = named(new QTimer(this), name);
        t->setInterval(1000);
        return t;
    };
    CheckTimer = secondTimer("CheckTimer");
    Timer1 = secondTimer("Timer1");
    Timerouttimer = secondTimer("Timerouttimer");
    connect(CheckTimer, &QTimer::timeout, this, &TMainForm::CheckTimerTimer);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(Timerouttimer, &QTimer::timeout, this, &TMainForm::TimeroutTimerTimer);
    setupScheduler();
    buildShell();
    CheckTimer->start();
    Timer1->start();
    Timerouttimer->start();
}

void TMainForm::buildHomeTab()
{
    MainGridCaption = named(new QLabel(QStringLiteral("近期任务"), sTabSheet1), "MainGridCaption");
    MainGridCaption->setGeometry(8, 4, 200, 18);

    MainStringGrid = named(new QTableView(sTabSheet1), "MainStringGrid");
    MainStringGrid->setGeometry(8, 22, 414, 150);
    MainStringGrid->setModel(m_ctx.activeList);
    MainStringGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    MainStringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    MainStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MainStringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MainStringGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MainStringGrid->verticalHeader()->hide();
    MainStringGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MainStringGrid->verticalHeader()->setDefaultSectionSize(22);
    MainStringGrid->setColumnWidth(0, 240);
    MainStringGrid->setColumnWidth(1, 168);
    // Columns 2..9 carry what the due check reads; they are never shown.
    for (int c = 2; c < TActiveTaskList::ColumnCount; ++c)
        MainStringGrid->setColumnHidden(c, true);

    sGroupBox1 = named(new QGroupBox(QStringLiteral("快速新建"), sTabSheet1), "sGroupBox1");
    sGroupBox1->setGeometry(8, 176, 414, 54);
}

void TMainForm::FormCreate()
{
    sPageControl1->setCurrentIndex(0);                           // step 1
    MainStringGrid->clearSelection();                            // step 3: no row shows as selected
    setupWebPanels();                                            // step 4
    // steps 5 to 7 ran in LoadMainVars before the window was made.
    // step 9: the task database beside the program
    m_ctx.data->ADOConnection1.setDatabaseFile(TDataModule1::DatabasePath(m_ctx.vars.ProgramDir));
    try {                                                        // step 10
        m_ctx.data->ADOConnection1.Open();
        AddMaingrid();
        for (int kind = 0; kind <= 4; ++kind)
            resfgriddata(0, kind);
    } catch (const EDatabaseError &) {
        // a database that cannot be opened leaves the lists empty, without a message
    }
}

void TMainForm::AddMaingrid()
{
    m_ctx.activeList->AddMaingrid(*m_ctx.data);
}

void TMainForm::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    FormShow();
}

void TMainForm::FormShow()
{
    if (m_ctx.vars.StartupShown)
        return;
    if (m_ctx.ShowNote)
        m_ctx.ShowNote();
    if (m_ctx.clock && m_ctx.clock->now().date().day() == 1 && m_ctx.CheckUpdate)
        m_ctx.CheckUpdate();
    m_ctx.vars.StartupShown = true;
}

void TMainForm::closeEvent(QCloseEvent *e)
{
    shellCloseEvent(e); // MainUnitShell.cpp: close or hide, and the quit routine runs FormClose
}

void TMainForm::FormClose()
{
    if (m_ctx.SaveNote)
        m_ctx.SaveNote();
}

// setupWebPanels: webpanels/MainWebPanels.cpp
