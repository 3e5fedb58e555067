// The due-task check's timer and the alerts it raises.
#include "mainwindow/MainUnit.h"

#include "alerts/AlertDispatch.h"
#include "data/DataUnit.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"
#include "scheduler/DueCheck.h"

#include <QTimer>

void TMainForm::setupScheduler()
{
    AlertDispatch = new TAlertDispatch(m_ctx, this);
    OffHintForm = AlertDispatch->OffHintForm();
    TDueCheck::Actions actions;
    actions.showhint = [this](const TDueAlert &a) { showhint(a.ttop, a.ttype, a.ttime, a.tmemo, a.tid, a.txh, a.off); };
    actions.startProgram = [this](const QString &file, const QString &mode) {
        if (m_ctx.shell)
            m_ctx.shell->StartProgram(file, mode);
    };
    actions.finishTask = [this](const QString &id) { m_ctx.activeList->FinishTask(*m_ctx.data, id); };
    DueCheck = std::make_shared<TDueCheck>(*m_ctx.activeList, std::move(actions));
    // Re-armed at every tick to land just after the next wall-clock second, so a
    // drifting timer never skips a second; the check catches up any it missed.
    CheckTimer->setSingleShot(true);
    CheckTimer->setTimerType(Qt::PreciseTimer);
}

void TMainForm::showhint(const QString &ttop, const QString &ttype, const QString &ttime, const QString &tmemo,
                         const QString &tid, const QString &txh, bool off)
{
    AlertDispatch->showhint(ttop, ttype, ttime, tmemo, tid, txh, off);
}

void TMainForm::CheckTimerTimer()
{
    if (!m_ctx.clock) {
        CheckTimer->start(1000);
        return;
    }
    // Armed before the check: an alert waits modally inside it while later ticks go on.
    CheckTimer->start(MsecsToNextSecondTick(m_ctx.clock->now()));
    DueCheck->Tick(m_ctx.clock->now());
}
