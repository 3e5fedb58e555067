#include "scheduler/DueCheck.h"

#include "calendar/DateCn.h"
#include "data/TaskVocabulary.h"

#include <cstdlib>

using Row = TActiveTaskList::Row;

TSecondTexts TSecondTexts::of(const QDateTime &second)
{
    TSecondTexts s;
    s.moment = second;
    const QDate d = second.date();
    const QTime t = second.time();
    s.NowTimeText = Vocab::TimeText(t);
    s.NowMinSec = s.NowTimeText.mid(3);
    s.TodayText = Vocab::DateText(d);
    s.weekday = d.dayOfWeek();
    s.day = d.day();
    s.month = d.month();
    const int lunar = std::abs(DateCn::SolarToLunar(d));
    s.lunarMonth = lunar / 100;
    s.lunarDay = lunar % 100;
    s.LunarTodayText = DateCn::TryLunarDateText(d);
    if (s.LunarTodayText) {
        if (const auto ld = Vocab::ParseDateText(*s.LunarTodayText))
            s.lunarTextWeekday = ld->dayOfWeek();
        else
            s.LunarTodayText.reset();
    }
    return s;
}

bool IsRowDue(const Row &row, const TSecondTexts &s)
{
    const QString &code = row[TActiveTaskList::ColRepeat];
    if (code.isEmpty())
        return false;
    bool ok = false;
    const int xh = code.toInt(&ok);
    if (!ok || xh < 1 || xh > 6)
        return false;
    const bool solar = row[TActiveTaskList::ColCalendar] == Vocab::CalendarSolar;
    const QString &T = row[TActiveTaskList::ColTimeText];
    const QString &D = row[TActiveTaskList::ColDate];

    if (xh == 2) {
        // Minutes and seconds of T; the fixed format puts them at 3..7, and only a
        // matching text is read in full to make sure it is a time at all.
        return T.size() == 8 && QStringView(T).mid(3) == s.NowMinSec && Vocab::ParseTimeText(T).has_value();
    }
    // Every other code needs T to be now; testing it first keeps a tick cheap
    // (the date parts are pure, so their order does not change the answer).
    if (T != s.NowTimeText)
        return false;
    switch (xh) {
    case 1:
        if (solar)
            return D == s.TodayText;
        return s.LunarTodayText && D == *s.LunarTodayText;
    case 3:
        return true;
    default:
        break;
    }
    const auto date = Vocab::ParseDateText(D);
    if (!date)
        return false;
    switch (xh) {
    case 4:
        if (solar)
            return date->dayOfWeek() == s.weekday;
        return s.LunarTodayText && date->dayOfWeek() == s.lunarTextWeekday;
    case 5:
        if (solar)
            return date->day() == s.day;
        return s.lunarDay != 0 && date->day() == s.lunarDay;
    case 6:
        if (solar)
            return date->month() == s.month && date->day() == s.day;
        return s.lunarMonth != 0 && date->month() == s.lunarMonth && date->day() == s.lunarDay;
    }
    return false;
}

QVector<QDateTime> TDueCheck::SecondsToCover(const QDateTime &now) const
{
    const QDateTime cur = now.addMSecs(-now.time().msec());
    if (!m_lastCovered.isValid())
        return {cur};
    const qint64 gap = m_lastCovered.secsTo(cur);
    if (gap == 0)
        return {};
    if (gap < 0 || gap > MaxCatchUpSecs) // clock set back, or a suspend / clock set forward
        return {cur};
    QVector<QDateTime> out;
    out.reserve(int(gap));
    for (qint64 i = 1; i <= gap; ++i)
        out.push_back(m_lastCovered.addSecs(i));
    return out;
}

QVector<int> TDueCheck::DueRows(const TSecondTexts &s) const
{
    QVector<int> due;
    const QVector<Row> &rows = m_list.rows();
    for (int i = 0; i < rows.size(); ++i)
        if (IsRowDue(rows[i], s))
            due.push_back(i);
    return due;
}

void TDueCheck::Tick(const QDateTime &now)
{
    const QVector<QDateTime> seconds = SecondsToCover(now);
    if (seconds.isEmpty())
        return;
    // Taken before anything is raised, so a tick nested inside an alert goes on
    // from here and never raises the same second twice.
    m_lastCovered = seconds.back();
    QVector<Pending> pending;
    for (const QDateTime &second : seconds) {
        const TSecondTexts texts = TSecondTexts::of(second);
        for (int i : DueRows(texts))
            pending.push_back({texts, m_list.row(i)});
    }
    for (const Pending &p : pending)
        act(p);
}

void TDueCheck::act(const Pending &p)
{
    // An earlier alert's answer may have finished, changed or deleted this task:
    // act on the row as the list holds it now, and only if it is still due.
    const QString &id = p.row[TActiveTaskList::ColId];
    const Row *current = nullptr;
    for (const Row &r : m_list.rows())
        if (r[TActiveTaskList::ColId] == id) {
            current = &r;
            break;
        }
    if (!current || !IsRowDue(*current, p.second))
        return;
    const Row row = *current; // the list may be reloaded under the action

    const QString &kind = row[TActiveTaskList::ColKind];
    const QString &code = row[TActiveTaskList::ColRepeat];
    const int xh = code.toInt();
    auto alert = [&](bool off) {
        if (!m_actions.showhint)
            return;
        m_actions.showhint({row[TActiveTaskList::ColLabel], row[TActiveTaskList::ColCalendar],
                            row[TActiveTaskList::ColTaskTime], row[TActiveTaskList::ColMemo], id, code, off});
    };
    if (kind == Vocab::KindAlarm || kind == Vocab::KindSchedule) {
        alert(false);
    } else if (kind == Vocab::KindShutdown) {
        alert(true);
    } else if (kind == Vocab::KindCountdown) {
        if (xh == 1 || xh == 3)
            alert(false);
    } else if (kind == Vocab::KindProgram) {
        const QString &file = row[TActiveTaskList::ColMemo];
        if (file.isEmpty())
            return;
        const QString &mode = row[TActiveTaskList::ColShowMode];
        if (m_actions.startProgram)
            m_actions.startProgram(file, mode.isEmpty() ? Vocab::ShowNormal : mode);
        if (xh == 1 && m_actions.finishTask)
            m_actions.finishTask(id);
    }
}

int MsecsToNextSecondTick(const QDateTime &now)
{
    // A few milliseconds past the boundary, so the tick reads the new second.
    constexpr int margin = 5;
    return 1000 - now.time().msec() + margin;
}
