#include "alerts/AlertDispatch.h"

#include "alerts/AlertActions.h"
#include "alerts/HintUnit.h"
#include "alerts/OffHintUnit.h"
#include "mainwindow/AppContext.h"
#include "scheduler/ActiveTaskList.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <memory>

TAlertDispatch::TAlertDispatch(TAppContext &ctx, QWidget *windowParent)
    : QObject(windowParent), m_ctx(ctx), m_parent(windowParent), m_off(new TOffHintForm(ctx, windowParent))
{
    connect(m_off, &TOffHintForm::countdownEnded, this, &TAlertDispatch::showNextQueued);
}

void TAlertDispatch::showhint(const QString &ttop, const QString &ttype, const QString &ttime, const QString &tmemo,
                              const QString &tid, const QString &txh, bool off)
{
    if (off) {
        showOff({ttop, ttype, ttime, tmemo, tid, txh});
        return;
    }
    const std::unique_ptr<THintForm> form(new THintForm(m_ctx, m_parent));
    form->sLabel1->setText(ttop);
    form->sLabel2->setText(Alerts::SecondLine(ttype, ttime));
    form->sLabel3->setText(tmemo);
    form->Edit1->setText(tid);
    form->Edit2->setText(txh);
    Alerts::StartAlertSound(m_ctx.MediaPlayer1, m_ctx.vars.ClockMusicFile);
    emit reminderCreated(form.get());
    form->exec();
    // each reminder window lives exactly as long as its modal display
}

void TAlertDispatch::showOff(const Alert &a)
{
    if (m_off->counting() || m_off->isVisible()) {
        m_queue.push_back(a); // never overwrite the running warning's fields
        return;
    }
    m_off->sLabel1->setText(a.ttop);
    m_off->sLabel2->setText(Alerts::SecondLine(a.ttype, a.ttime));
    m_off->Edit1->setText(a.tid);
    m_off->Edit2->setText(a.txh);
    Alerts::StartAlertSound(m_ctx.MediaPlayer1, m_ctx.vars.OffMusicFile);
    m_off->Timer1->start();
    m_off->exec();
    showNextQueued();
}

void TAlertDispatch::showNextQueued()
{
    if (m_queue.isEmpty())
        return;
    // From the event loop, once the handler that ended the count has returned.
    QTimer::singleShot(0, this, [this] {
        if (m_off->counting() || m_off->isVisible())
            return;
        // A waiting task may have been finished, changed into another kind or deleted meanwhile.
        while (!m_queue.isEmpty()) {
            const Alert next = m_queue.takeFirst();
            if (m_ctx.activeList && m_ctx.activeList->containsId(next.tid)) {
                showOff(next);
                return;
            }
        }
    });
}
