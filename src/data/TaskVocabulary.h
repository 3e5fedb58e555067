#pragma once
// The fixed words and codes stored in table Task, and the one place that fixes
// how dates and times are written, read and compared as texts.
#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace Vocab {

// Kind words
inline const QString KindAlarm = QStringLiteral("闹钟");
inline const QString KindSchedule = QStringLiteral("日程");
inline const QString KindCountdown = QStringLiteral("计时");
inline const QString KindProgram = QStringLiteral("程序");
inline const QString KindShutdown = QStringLiteral("关机");

// Calendar words
inline const QString CalendarSolar = QStringLiteral("阳历");
inline const QString CalendarLunar = QStringLiteral("农历");

// Recurrence codes
inline const QString RepeatOnce = QStringLiteral("1");
inline const QString RepeatHourly = QStringLiteral("2");
inline const QString RepeatDaily = QStringLiteral("3");
inline const QString RepeatWeekly = QStringLiteral("4");
inline const QString RepeatMonthly = QStringLiteral("5");
inline const QString RepeatYearly = QStringLiteral("6");

// State codes
inline const QString StateActive = QStringLiteral("0");
inline const QString StateFinished = QStringLiteral("1");

// Program show modes
inline const QString ShowNormal = QStringLiteral("1");
inline const QString ShowMinimized = QStringLiteral("2");
inline const QString ShowMaximized = QStringLiteral("3");

// Kind index of the task tabs: 0 日程, 1 闹钟, 2 程序, 3 关机, 4 计时.
enum KindIndex { TabSchedule = 0, TabAlarm = 1, TabProgram = 2, TabShutdown = 3, TabCountdown = 4 };
QString kindWordForIndex(int kindIndex); // empty outside 0..4
int indexForKindWord(const QString &kind); // -1 for an unknown word

// "[" + kind + "]" + title
inline QString TaskLabel(const QString &kind, const QString &title)
{
    return QLatin1Char('[') + kind + QLatin1Char(']') + title;
}

// Date and time texts: fixed formats, used alike for writing, reading and comparing.
inline const QString DateFormat = QStringLiteral("yyyy-MM-dd");
inline const QString TimeFormat = QStringLiteral("HH:mm:ss");

inline QString DateText(const QDate &d) { return d.toString(DateFormat); }
inline QString TimeText(const QTime &t) { return t.toString(TimeFormat); }
// Strict reading: nothing but the exact format is a date (or time).
std::optional<QDate> ParseDateText(const QString &text);
std::optional<QTime> ParseTimeText(const QString &text);

// The weekday names of the weekly display text, Sunday first.
QString WeekdayText(const QDate &d); // "每周日".."每周六"

} // namespace Vocab
