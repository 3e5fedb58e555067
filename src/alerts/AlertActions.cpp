#include "alerts/AlertActions.h"

#include "alerts/MediaPlayer.h"
#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"
#include "mainwindow/AppContext.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"

#include <QFileInfo>

namespace Alerts {

namespace {
struct Delay {
    const char16_t *text;
    qint64 secs;
};
constexpr Delay kDelays[] = {
    {u"5分钟", 300},        {u"10分钟", 600},        {u"30分钟", 1800},      {u"1小时", 60 * 60},
    {u"2小时", 120 * 60},   {u"5小时", 300 * 60},    {u"8小时", 480 * 60},   {u"12小时", 720 * 60},
    {u"1天", 24 * 3600},    {u"2天", 48 * 3600},     {u"5天", 120 * 3600},   {u"1周", 168 * 3600},
};

void prepare(TQuery &q, const QString &sql)
{
    q.Close();
    q.SetSQL(QString());
    q.SetSQL(sql);
}

void execOn(TQuery &q, const QString &sql)
{
    prepare(q, sql);
    q.ExecSQL();
}

bool isOnce(const QString &xh) { return xh == Vocab::RepeatOnce; }

// The copy and, for a one-shot task, the finishing of the original land together:
// a failed insert leaves the original active.
bool postpone(TAppContext &ctx, const QString &insert, const QString &id, const QString &xh, int kindIndex)
{
    TQuery &q = ctx.data->ADO2;
    bool landed = false;
    try {
        const QString finish = isOnce(xh) ? Statements::FinishTask(id) : QString();
        ctx.data->ADOConnection1.InTransaction([&] {
            execOn(q, insert);
            if (!finish.isEmpty())
                execOn(q, finish);
        });
        landed = true;
        ctx.activeList->AddMaingrid(*ctx.data);
        // the kind's tab lists the copy (and no longer the finished original)
        ReloadKindTab(ctx, kindIndex);
    } catch (const EDatabaseError &) {
        // nothing landed, or only the reload failed: either way no message
    }
    q.Close();
    return landed;
}
} // namespace

QStringList DelayEntries()
{
    QStringList out;
    for (const Delay &d : kDelays)
        out << QString::fromUtf16(d.text);
    return out;
}

qint64 DelaySeconds(int index)
{
    if (index < 0 || index >= int(std::size(kDelays)))
        return -1;
    return kDelays[index].secs;
}

QDateTime DelayedMoment(const QDateTime &now, int index)
{
    const QDateTime wall(now.date(), now.time(), Qt::UTC);
    const QDateTime later = wall.addSecs(qMax<qint64>(0, DelaySeconds(index)));
    return QDateTime(later.date(), later.time());
}

QString KindOfHeading(const QString &heading)
{
    for (const QString &kind : {Vocab::KindAlarm, Vocab::KindSchedule, Vocab::KindCountdown})
        if (heading.contains(Vocab::TaskLabel(kind, QString())))
            return kind;
    return {};
}

QString TitleOfHeading(const QString &heading) { return heading.mid(4); }

QString SecondLine(const QString &calendar, const QString &dueText) { return calendar + QLatin1Char(' ') + dueText; }

QString DueTextOfLine(const QString &secondLine) { return secondLine.mid(2); }

QString ShutdownCountText(int counter)
{
    return QStringLiteral("如果 ") + QString::number(counter)
        + QStringLiteral(" 秒内你没有做出选择,系统将默认选择\"立即关机\"！");
}

void StartAlertSound(IMediaPlayer *player, const QString &file)
{
    if (!player || file.isEmpty() || !QFileInfo(file).isFile())
        return;
    player->Close();
    player->setFileName(file);
    player->Open();
    player->Play();
}

void ReloadKindTab(TAppContext &ctx, int kindIndex)
{
    if (ctx.ReloadTab) {
        ctx.ReloadTab(kindIndex);
        return;
    }
    if (TRowSet *rs = ctx.data->rowSetForKind(kindIndex); rs && rs->Active())
        rs->Reopen();
}

bool FinishReminder(TAppContext &ctx, const QString &heading, const QString &id, const QString &xh)
{
    if (!isOnce(xh))
        return true;
    TQuery &q = ctx.data->ADO2;
    bool ok = false;
    try {
        execOn(q, Statements::FinishTask(id));
        ctx.activeList->AddMaingrid(*ctx.data);
        const QString kind = KindOfHeading(heading);
        if (!kind.isEmpty())
            ReloadKindTab(ctx, Vocab::indexForKindWord(kind));
        ok = true;
    } catch (const EDatabaseError &) {
    }
    q.Close();
    return ok;
}

bool PostponeReminder(TAppContext &ctx, const QString &heading, const QString &content, const QString &id,
                      const QString &xh, int delayIndex)
{
    const QString kind = KindOfHeading(heading);
    if (kind.isEmpty() || DelaySeconds(delayIndex) < 0)
        return false;
    const QDateTime at = DelayedMoment(ctx.clock->now(), delayIndex);
    const QString date = Vocab::DateText(at.date());
    const QString time = Vocab::TimeText(at.time());
    const QString insert = Statements::InsertPostponed(kind, TitleOfHeading(heading), content, date,
                                                       date + QLatin1Char(' ') + time, Vocab::CalendarSolar, time);
    return postpone(ctx, insert, id, xh, Vocab::indexForKindWord(kind));
}

bool TaskExists(TAppContext &ctx, const QString &id)
{
    TQuery &q = ctx.data->ADO2;
    try {
        prepare(q, Statements::SelectTask(id));
        q.Open();
        return !q.IsEmpty();
    } catch (const EDatabaseError &) {
        q.Close();
        return false;
    }
}

bool FinishShutdown(TAppContext &ctx, const QString &id, const QString &xh)
{
    if (!isOnce(xh))
        return true;
    TQuery &q = ctx.data->ADO2;
    bool ok = false;
    try {
        execOn(q, Statements::FinishTask(id));
        ctx.activeList->AddMaingrid(*ctx.data);
        ReloadKindTab(ctx, Vocab::TabShutdown);
        ok = true;
    } catch (const EDatabaseError &) {
    }
    q.Close();
    return ok;
}

void RunShutdown(TAppContext &ctx)
{
    if (ctx.SaveNote)
        ctx.SaveNote();
    if (ctx.shell)
        ctx.shell->RunShutdownScript(ctx.vars.ProgramDir);
}

bool PostponeShutdown(TAppContext &ctx, const QString &heading, const QString &id, const QString &xh,
                      int delayIndex)
{
    if (DelaySeconds(delayIndex) < 0)
        return false;
    const QDateTime at = DelayedMoment(ctx.clock->now(), delayIndex);
    const QString date = Vocab::DateText(at.date());
    const QString time = Vocab::TimeText(at.time());
    const QString insert = Statements::InsertPostponedShutdown(Vocab::KindShutdown, TitleOfHeading(heading), date,
                                                               date + QLatin1Char(' ') + time, Vocab::CalendarSolar,
                                                               time);
    return postpone(ctx, insert, id, xh, Vocab::TabShutdown);
}

} // namespace Alerts
