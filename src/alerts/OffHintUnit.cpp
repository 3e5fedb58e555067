#include "alerts/OffHintUnit.h"

#include "webpanels/WebPanel.h"
#include "webpanels/WebPanelWidgets.h"
#include "alerts/AlertActions.h"
#include "alerts/HintUnit.h"
#include "alerts/MediaPlayer.h"
#include "data/TaskVocabulary.h"
#include "mainwindow/AppContext.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TOffHintForm::TOffHintForm(TAppContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx)
{
    using namespace AlertLayout;
    setObjectName(QStringLiteral("OffHintForm"));
    setWindowTitle(Alerts::HintCaption);
    setFixedSize(484, 263);
    setAttribute(Qt::WA_ShowWithoutActivating);

    sGroupBox1 = new QGroupBox(this);
    sGroupBox1->setObjectName(QStringLiteral("sGroupBox1"));
    sGroupBox1->setGeometry(8, 4, 468, 183);
    sLabel1 = line(sGroupBox1, "sLabel1", 16, 18);
    Bevel1 = rule(sGroupBox1, "Bevel1", 38);
    sLabel2 = line(sGroupBox1, "sLabel2", 46, 18);
    Bevel2 = rule(sGroupBox1, "Bevel2", 68);
    sLabel3 = line(sGroupBox1, "sLabel3", 76, 54);
    sLabel3->setWordWrap(true);
    Bevel3 = rule(sGroupBox1, "Bevel3", 138);
    Button2 = button(sGroupBox1, "Button2", u"马上关机", 12, 148);
    Button1 = button(sGroupBox1, "Button1", u"取消关机", 95, 148);
    Button3 = button(sGroupBox1, "Button3", u"延时", 178, 148);
    sComboBox1 = delayBox(sGroupBox1, 261, 148);
    setTabOrder(Button2, Button1);
    setTabOrder(Button1, Button3);
    setTabOrder(Button3, sComboBox1);
    Edit1 = hiddenEdit(this, "Edit1");
    Edit2 = hiddenEdit(this, "Edit2");
    sPanel1 = webStrip(this, 195, &web1Panel);
    if (m_ctx.WebPanelsOn)
        m_web = InstallAlertWebPanel(web1Panel, m_ctx);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TOffHintForm::Timer1Timer);
    connect(Button1, &QPushButton::clicked, this, &TOffHintForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TOffHintForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TOffHintForm::Button3Click);
}

bool TOffHintForm::counting() const { return Timer1->isActive(); }

void TOffHintForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Made long before its first show, the window is not placed by its owner on X11:
    // centre it on the main window each time it comes up.
    if (QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr; owner && owner->isVisible()) {
        QRect r = frameGeometry();
        r.moveCenter(owner->frameGeometry().center());
        move(r.topLeft());
    }
    FormShow();
}

void TOffHintForm::FormShow()
{
    if (m_web)
        m_web->NavigateToAddress();
    Timer1->start();
    m_counter = 61;
}

void TOffHintForm::closeEvent(QCloseEvent *e)
{
    FormClose();
    QDialog::closeEvent(e); // hides; the count goes on
}

void TOffHintForm::keyPressEvent(QKeyEvent *e)
{
    // Esc is the close box: the sound stops, the count goes on.
    if (e->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TOffHintForm::FormClose()
{
    if (m_ctx.MediaPlayer1)
        m_ctx.MediaPlayer1->Close();
}

void TOffHintForm::Timer1Timer()
{
    --m_counter;
    if (m_counter < 0) {
        Button2Click(); // stops the count and tells the end
        Timer1->stop();
        return;
    }
    sLabel3->setText(Alerts::ShutdownCountText(m_counter));
    if (m_ctx.MediaPlayer1 && m_ctx.MediaPlayer1->Mode() == IMediaPlayer::TMPModes::Stopped)
        m_ctx.MediaPlayer1->Play();
}

void TOffHintForm::Button1Click()
{
    if (m_ctx.MediaPlayer1)
        m_ctx.MediaPlayer1->Close();
    Timer1->stop();
    if (Alerts::FinishShutdown(m_ctx, Edit1->text(), Edit2->text()))
        close();
    emit countdownEnded();
}

void TOffHintForm::Button2Click()
{
    Timer1->stop();
    if (m_ctx.MediaPlayer1)
        m_ctx.MediaPlayer1->Close();
    // A recurring task stays active and this window stays open while the script runs.
    if (Edit2->text() == Vocab::RepeatOnce && Alerts::FinishShutdown(m_ctx, Edit1->text(), Edit2->text()))
        close();
    Alerts::RunShutdown(m_ctx);
    emit countdownEnded();
}

void TOffHintForm::Button3Click()
{
    Timer1->stop();
    if (Alerts::PostponeShutdown(m_ctx, sLabel1->text(), Edit1->text(), Edit2->text(), sComboBox1->currentIndex()))
        close();
    emit countdownEnded();
}
