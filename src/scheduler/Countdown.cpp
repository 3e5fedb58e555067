#include "scheduler/Countdown.h"

#include "calendar/DateCn.h"
#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"

namespace Countdown {

namespace {

// "yyyy-MM-dd HH:mm:ss", strictly, as local time.
std::optional<QDateTime> parseMoment(const QString &text)
{
    const int blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return std::nullopt;
    const auto d = Vocab::ParseDateText(text.left(blank));
    const auto t = Vocab::ParseTimeText(text.mid(blank + 1));
    if (!d || !t)
        return std::nullopt;
    return QDateTime(*d, *t);
}

std::optional<QString> dailyText(const TCountdownRow &row, const QDateTime &now)
{
    const auto due = Vocab::ParseTimeText(row.tasktemptime);
    if (!due)
        return std::nullopt;
    const QTime current = now.time();
    if (current >= *due)
        return DoneText;
    return Vocab::TimeText(QTime(0, 0).addMSecs(current.msecsTo(*due)));
}

} // namespace

QString SpanText(qint64 ms)
{
    const qint64 secs = ms / 1000;
    return QString::number(secs / 86400) + QStringLiteral("天") + QString::number(secs % 86400 / 3600)
        + QLatin1Char(':') + QString::number(secs % 3600 / 60) + QLatin1Char(':') + QString::number(secs % 60);
}

std::optional<QString> CountdownText(const TCountdownRow &row, const QDateTime &now)
{
    const bool solar = row.tasktimetype == Vocab::CalendarSolar;
    const bool lunar = row.tasktimetype == Vocab::CalendarLunar;
    if ((!solar && !lunar) || row.xhtype.isEmpty())
        return std::nullopt;
    if (row.xhtype == Vocab::RepeatDaily)
        return dailyText(row, now);
    if (row.xhtype != Vocab::RepeatOnce)
        return std::nullopt;

    const auto due = parseMoment(row.tasktime);
    if (!due)
        return std::nullopt;
    if (solar) {
        if (now >= *due)
            return DoneText;
        return SpanText(now.msecsTo(*due));
    }
    // A lunar once countdown counts from today's lunar date at the current time of day.
    const auto lunarToday = DateCn::TryLunarDateText(now.date());
    if (!lunarToday)
        return std::nullopt;
    const auto lunarNow = parseMoment(*lunarToday + QLatin1Char(' ') + Vocab::TimeText(now.time()));
    if (!lunarNow)
        return std::nullopt;
    if (*due > *lunarNow)
        return SpanText(lunarNow->msecsTo(*due));
    return DoneText;
}

QVector<TRemainingText> CountdownTexts(const TRowSet &rows, const QDateTime &now)
{
    QVector<TRemainingText> out;
    const int n = rows.RecordCount();
    out.reserve(n);
    for (int r = 0; r < n; ++r) {
        const TCountdownRow row{rows.FieldAsString(r, QStringLiteral("tasktime")),
                                rows.FieldAsString(r, QStringLiteral("tasktimetype")),
                                rows.FieldAsString(r, QStringLiteral("xhtype")),
                                rows.FieldAsString(r, QStringLiteral("tasktemptime"))};
        if (auto text = CountdownText(row, now))
            out.push_back({r, *text});
    }
    return out;
}

} // namespace Countdown
