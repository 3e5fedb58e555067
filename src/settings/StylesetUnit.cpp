#include "settings/StylesetUnit.h"

#include "mainwindow/MainConfig.h"
#include "settings/SkinManager.h"

#include <QCheckBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>

TStylesetForm::TStylesetForm(TAppContext &ctx, TSkinManager &skins, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx), m_skins(skins)
{
    setObjectName(QStringLiteral("StylesetForm"));
    setWindowTitle(QStringLiteral("个性皮肤"));
    setFixedSize(475, 320);
    for (int i = 0; i < 6; ++i) {
        const int col = i % 2, row = i / 2;
        const int x = 8 + col * 235, y = 12 + row * 93;
        radio[i] = new QRadioButton(QString::fromUtf16(SkinChoices[i].caption), this);
        radio[i]->setObjectName(QString::fromLatin1(SkinChoices[i].button));
        radio[i]->setGeometry(x - 4, y + 30, 57, 22); // "Vista" is the widest caption
        preview[i] = new QLabel(this);
        preview[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        preview[i]->setGeometry(x + 54, y, 173, 81);
        const QString sheet = TSkinManager::SkinText(ctx.vars.SkinDir, QString::fromLatin1(SkinChoices[i].name));
        preview[i]->setPixmap(RenderPreview(sheet));
        preview[i]->setCursor(Qt::PointingHandCursor);
        preview[i]->installEventFilter(this); // a click on the picture picks it, too
    }
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(300, 288, 75, 25);
    Button2 = new QPushButton(QStringLiteral("关闭"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(385, 288, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TStylesetForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TStylesetForm::Button2Click);
}

QPixmap TStylesetForm::RenderPreview(const QString &styleSheet)
{
    // A tiny main window of the program: tabs, a grid, a button, drawn off screen.
    QDialog sample;
    sample.setObjectName(QStringLiteral("SkinPreview"));
    sample.setAttribute(Qt::WA_DontShowOnScreen);
    sample.setStyleSheet(styleSheet);
    sample.setFixedSize(173, 81);
    QFont small = sample.font();
    small.setPixelSize(10);
    sample.setFont(small);
    auto *tabs = new QTabWidget(&sample);
    tabs->setGeometry(3, 3, 167, 55);
    auto *grid = new QTableView;
    auto *model = new QStandardItemModel(2, 2, grid);
    model->setHorizontalHeaderLabels({QStringLiteral("任务名称"), QStringLiteral("到期时间")});
    model->setItem(0, 0, new QStandardItem(QStringLiteral("[闹钟]起床")));
    model->setItem(0, 1, new QStandardItem(QStringLiteral("07:00:00")));
    model->setItem(1, 0, new QStandardItem(QStringLiteral("[日程]开会")));
    model->setItem(1, 1, new QStandardItem(QStringLiteral("09:30:00")));
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(10);
    grid->horizontalHeader()->setFixedHeight(14);
    grid->verticalHeader()->setDefaultSectionSize(13);
    grid->setColumnWidth(0, 80);
    grid->setColumnWidth(1, 70);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->selectRow(0);
    tabs->addTab(grid, QStringLiteral("首页"));
    tabs->addTab(new QWidget, QStringLiteral("闹钟"));
    auto *check = new QCheckBox(QStringLiteral("整点报时"), &sample);
    check->setChecked(true);
    check->setGeometry(4, 60, 80, 19);
    auto *ok = new QPushButton(QStringLiteral("确定"), &sample);
    ok->setGeometry(118, 59, 50, 21);
    sample.show();
    QPixmap pm = sample.grab();
    sample.hide();
    return pm;
}

void TStylesetForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TStylesetForm::FormShow()
{
    const QString style = ReadMainConfig(m_ctx.vars.ProgramDir, QStringLiteral("System"), QStringLiteral("Style"),
                                         QStringLiteral("beijing"));
    // Only an exact match moves the selection; otherwise it stays as it was.
    for (int i = 0; i < 6; ++i)
        if (style == QLatin1String(SkinChoices[i].name))
            radio[i]->setChecked(true);
}

QString TStylesetForm::selectedSkinName() const
{
    for (int i = 0; i < 6; ++i)
        if (radio[i]->isChecked())
            return QString::fromLatin1(SkinChoices[i].name);
    return {};
}

void TStylesetForm::Button1Click()
{
    const QString name = selectedSkinName();
    m_skins.setSkinName(name);
    WriteMainConfig(m_ctx.vars.ProgramDir, QStringLiteral("System"), QStringLiteral("Style"), name);
    // the dialog stays open
}

void TStylesetForm::Button2Click()
{
    reject();
}

bool TStylesetForm::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress)
        for (int i = 0; i < 6; ++i)
            if (o == preview[i])
                radio[i]->setChecked(true);
    return QDialog::eventFilter(o, e);
}
