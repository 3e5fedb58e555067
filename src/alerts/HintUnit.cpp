#include "alerts/HintUnit.h"

#include "webpanels/WebPanel.h"
#include "webpanels/WebPanelWidgets.h"
#include "alerts/AlertActions.h"
#include "alerts/MediaPlayer.h"
#include "mainwindow/AppContext.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace AlertLayout {

QLabel *line(QWidget *parent, const char *name, int y, int height)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(12, y, 444, height);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(11);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: black;"));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText); // a title or content is shown as typed, never as markup
    return l;
}

QFrame *rule(QWidget *parent, const char *name, int y)
{
    auto *b = new QFrame(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFrameShape(QFrame::HLine);
    b->setFrameShadow(QFrame::Sunken);
    b->setGeometry(12, y, 444, 2);
    return b;
}

QComboBox *delayBox(QWidget *parent, int x, int y)
{
    // Only the twelve entries: a typed text could give a copy that never comes due.
    auto *c = new QComboBox(parent);
    c->setObjectName(QStringLiteral("sComboBox1"));
    c->setEditable(false);
    c->addItems(Alerts::DelayEntries());
    c->setCurrentIndex(0);
    c->setGeometry(x, y, 90, 25);
    return c;
}

QLineEdit *hiddenEdit(QWidget *parent, const char *name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->hide();
    return e;
}

QPushButton *button(QWidget *parent, const char *name, const char16_t *text, int x, int y)
{
    auto *b = new QPushButton(QString::fromUtf16(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, 75, 25);
    b->setAutoDefault(false); // Enter must never answer an alert by accident
    return b;
}

QWidget *webStrip(QWidget *dialog, int y, QWidget **web1Panel)
{
    auto *panel = new QWidget(dialog);
    panel->setObjectName(QStringLiteral("sPanel1"));
    panel->setGeometry(8, y, 468, 60);
    *web1Panel = new QWidget(panel);
    (*web1Panel)->setObjectName(QStringLiteral("web1Panel"));
    (*web1Panel)->setGeometry(0, 0, 468, 60);
    return panel;
}

} // namespace AlertLayout

namespace {
// Tells whether a window came up while fn ran: "修改" closes the reminder only
// when the editor was really shown, not when an open editor was just raised.
class ShownWatcher : public QObject {
public:
    bool shown = false;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow())
            shown = true;
        return false;
    }
};
} // namespace

THintForm::THintForm(TAppContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx)
{
    using namespace AlertLayout;
    setObjectName(QStringLiteral("HintForm"));
    setWindowTitle(Alerts::HintCaption);
    setFixedSize(484, 338);
    setAttribute(Qt::WA_ShowWithoutActivating);

    sGroupBox1 = new QGroupBox(this);
    sGroupBox1->setObjectName(QStringLiteral("sGroupBox1"));
    sGroupBox1->setGeometry(8, 4, 468, 258);
    sLabel1 = line(sGroupBox1, "sLabel1", 16, 18);
    Bevel1 = rule(sGroupBox1, "Bevel1", 38);
    sLabel2 = line(sGroupBox1, "sLabel2", 46, 18);
    Bevel2 = rule(sGroupBox1, "Bevel2", 68);
    sLabel3 = line(sGroupBox1, "sLabel3", 76, 132);
    sLabel3->setWordWrap(true);
    Bevel3 = rule(sGroupBox1, "Bevel3", 214);
    Button1 = button(sGroupBox1, "Button1", u"完成", 12, 222);
    Button2 = button(sGroupBox1, "Button2", u"修改", 95, 222);
    Button3 = button(sGroupBox1, "Button3", u"延时", 178, 222);
    sComboBox1 = delayBox(sGroupBox1, 261, 222);
    Edit1 = hiddenEdit(this, "Edit1");
    Edit2 = hiddenEdit(this, "Edit2");
    sPanel1 = webStrip(this, 270, &web1Panel);
    if (m_ctx.WebPanelsOn) // a new window for each reminder: navigated at each show
        InstallAlertWebPanel(web1Panel, m_ctx)->NavigateToAddress();

    connect(Button1, &QPushButton::clicked, this, &THintForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &THintForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &THintForm::Button3Click);
}

void THintForm::Button1Click()
{
    if (m_ctx.MediaPlayer1)
        m_ctx.MediaPlayer1->Close();
    if (Alerts::FinishReminder(m_ctx, sLabel1->text(), Edit1->text(), Edit2->text()))
        accept();
}

void THintForm::Button2Click()
{
    const QString kind = Alerts::KindOfHeading(sLabel1->text());
    if (kind.isEmpty() || !m_ctx.EditTask || !Alerts::TaskExists(m_ctx, Edit1->text()))
        return;
    // The editor is modal and runs on top of this window, which waits behind it.
    ShownWatcher watcher;
    qApp->installEventFilter(&watcher);
    m_ctx.EditTask(kind, Edit1->text());
    qApp->removeEventFilter(&watcher);
    if (watcher.shown)
        accept();
}

void THintForm::Button3Click()
{
    if (Alerts::PostponeReminder(m_ctx, sLabel1->text(), sLabel3->text(), Edit1->text(), Edit2->text(),
                                 sComboBox1->currentIndex()))
        accept();
}
