#include "settings/SystemsetUnit.h"

#include "mainwindow/AppContext.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <class W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

TSystemsetForm::TSystemsetForm(TAppContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx)
{
    setObjectName(QStringLiteral("SystemsetForm"));
    setWindowTitle(QStringLiteral("系统设置"));
    setFixedSize(346, 204);
    setModal(true);

    struct Row {
        QLabel **label;
        const char *labelName;
        const char16_t *caption;
        QRadioButton **first;
        const char *firstName;
        const char16_t *firstText;
        QRadioButton **second;
        const char *secondName;
        const char16_t *secondText;
    };
    const Row rows[] = {
        {&sLabel1, "sLabel1", u"启动设置", &sRadioButton1, "sRadioButton1", u"开机自动启动", &sRadioButton2,
         "sRadioButton2", u"开机不自动启动"},
        {&sLabel2, "sLabel2", u"报时功能", &sRadioButton3, "sRadioButton3", u"整点报时", &sRadioButton4,
         "sRadioButton4", u"整点不报时"},
        {&sLabel3, "sLabel3", u"关闭按钮", &sRadioButton5, "sRadioButton5", u"关闭程序", &sRadioButton6,
         "sRadioButton6", u"最小化程序"},
    };
    int y = 22;
    for (const Row &r : rows) {
        *r.label = named(new QLabel(QString::fromUtf16(r.caption), this), r.labelName);
        (*r.label)->setGeometry(24, y, 70, 22);
        *r.first = named(new QRadioButton(QString::fromUtf16(r.firstText), this), r.firstName);
        (*r.first)->setGeometry(100, y, 110, 22);
        *r.second = named(new QRadioButton(QString::fromUtf16(r.secondText), this), r.secondName);
        (*r.second)->setGeometry(216, y, 120, 22);
        // each pair is a group of its own: exactly one of the two is selected
        auto *group = new QButtonGroup(this);
        group->addButton(*r.first);
        group->addButton(*r.second);
        y += 42;
    }

    Button3 = named(new QPushButton(QStringLiteral("恢复默认"), this), "Button3");
    Button1 = named(new QPushButton(QStringLiteral("确定"), this), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("取消"), this), "Button2");
    Button3->setGeometry(40, 160, 80, 27);
    Button1->setGeometry(140, 160, 75, 27);
    Button2->setGeometry(232, 160, 75, 27);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TSystemsetForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSystemsetForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TSystemsetForm::Button3Click);

    FormCreate();
}

void TSystemsetForm::FormCreate()
{
    showChoices(SystemSettings::FromVars(m_ctx.vars));
}

void TSystemsetForm::showChoices(const TSystemChoices &c)
{
    (c.autorun ? sRadioButton1 : sRadioButton2)->setChecked(true);
    (c.chime ? sRadioButton3 : sRadioButton4)->setChecked(true);
    (c.closeExits ? sRadioButton5 : sRadioButton6)->setChecked(true);
}

TSystemChoices TSystemsetForm::choices() const
{
    return {sRadioButton1->isChecked(), sRadioButton3->isChecked(), sRadioButton5->isChecked()};
}

void TSystemsetForm::Button1Click()
{
    SystemSettings::Store(m_ctx.vars, choices());
    accept();
}

void TSystemsetForm::Button2Click()
{
    // Nothing is stored, and the buttons keep what the user chose.
    reject();
}

void TSystemsetForm::Button3Click()
{
    showChoices(SystemSettings::Defaults());
}
