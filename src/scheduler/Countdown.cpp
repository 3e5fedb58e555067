#include "scheduler/Countdown.h"

#include "calendar/DateCn.h"
#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"

namespace Countdown {

namespace {

// The countdown column reads every row every second: the stored texts, written by the
// program itself, are read digit by digit; anything else goes to the general reader.
int digits(const QChar *p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

std::optional<QDate> readDate(QStringView text)
{
    if (text.size() == 10 && text[4] == u'-' && text[7] == u'-') {
        const QDate d(digits(text.data(), 4), digits(text.data() + 5, 2), digits(text.data() + 8, 2));
        if (d.isValid() && d.year() > 0)
            return d;
    }
    return Vocab::ParseDateText(text.toString());
}

std::optional<QTime> readTime(QStringView text)
{
    if (text.size() == 8 && text[2] == u':' && text[5] == u':') {
        const int h = digits(text.data(), 2), m = digits(text.data() + 3, 2), s = digits(text.data() + 6, 2);
        if (h >= 0 && m >= 0 && s >= 0 && QTime::isValid(h, m, s))
            return QTime(h, m, s);
    }
    return Vocab::ParseTimeText(text.toString());
}

// A wall-clock moment. Spans are counted on the wall clock, as the column always showed
// them; no time-zone lookups, which would cost a system call per row and tick.
struct TMoment {
    QDate date;
    QTime time;
};

qint64 msecsBetween(const TMoment &from, const TMoment &to)
{
    return (to.date.toJulianDay() - from.date.toJulianDay()) * 86400000
        + (to.time.msecsSinceStartOfDay() - from.time.msecsSinceStartOfDay());
}

// "yyyy-MM-dd HH:mm:ss", strictly.
std::optional<TMoment> parseMoment(QStringView text)
{
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return std::nullopt;
    const auto d = readDate(text.left(blank));
    const auto t = readTime(text.mid(blank + 1));
    if (!d || !t)
        return std::nullopt;
    return TMoment{*d, *t};
}

// What one tick needs from the clock; the lunar "now" is formed once per tick, when a
// lunar once row first asks for it.
struct TTick {
    explicit TTick(const QDateTime &dt) : now{dt.date(), dt.time()} {}
    TMoment now;
    bool lunarDone = false;
    std::optional<TMoment> lunarNow;

    const std::optional<TMoment> &lunar()
    {
        if (!lunarDone) {
            lunarDone = true;
            if (const auto today = DateCn::TryLunarDateText(now.date))
                lunarNow = parseMoment(QString(*today + QLatin1Char(' ') + Vocab::TimeText(now.time)));
        }
        return lunarNow;
    }
};

std::optional<QString> dailyText(const TCountdownRow &row, const TMoment &now)
{
    const auto due = readTime(row.tasktemptime);
    if (!due)
        return std::nullopt;
    const QTime current = now.time;
    if (current >= *due)
        return DoneText;
    return Vocab::TimeText(QTime(0, 0).addMSecs(current.msecsTo(*due)));
}

std::optional<QString> countdownText(const TCountdownRow &row, TTick &tick)
{
    const bool solar = row.tasktimetype == Vocab::CalendarSolar;
    const bool lunar = row.tasktimetype == Vocab::CalendarLunar;
    if ((!solar && !lunar) || row.xhtype.isEmpty())
        return std::nullopt;
    if (row.xhtype == Vocab::RepeatDaily)
        return dailyText(row, tick.now);
    if (row.xhtype != Vocab::RepeatOnce)
        return std::nullopt;

    const auto due = parseMoment(row.tasktime);
    if (!due)
        return std::nullopt;
    if (solar) {
        const qint64 left = msecsBetween(tick.now, *due);
        return left > 0 ? SpanText(left) : DoneText;
    }
    // A lunar once countdown counts from today's lunar date at the current time of day.
    const auto &lunarNow = tick.lunar();
    if (!lunarNow)
        return std::nullopt;
    const qint64 left = msecsBetween(*lunarNow, *due);
    return left > 0 ? SpanText(left) : DoneText;
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
    TTick tick(now);
    return countdownText(row, tick);
}

QVector<TRemainingText> CountdownTexts(const TRowSet &rows, const QDateTime &now)
{
    QVector<TRemainingText> out;
    const int n = rows.RecordCount();
    out.reserve(n);
    TTick tick(now);
    for (int r = 0; r < n; ++r) {
        const TCountdownRow row{rows.FieldAsString(r, QStringLiteral("tasktime")),
                                rows.FieldAsString(r, QStringLiteral("tasktimetype")),
                                rows.FieldAsString(r, QStringLiteral("xhtype")),
                                rows.FieldAsString(r, QStringLiteral("tasktemptime"))};
        if (auto text = countdownText(row, tick))
            out.push_back({r, *text});
    }
    return out;
}

} // namespace Countdown
