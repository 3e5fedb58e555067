#include "data/TaskVocabulary.h"

namespace Vocab {

QString kindWordForIndex(int kindIndex)
{
    switch (kindIndex) {
    case TabSchedule: return KindSchedule;
    case TabAlarm: return KindAlarm;
    case TabProgram: return KindProgram;
    case TabShutdown: return KindShutdown;
    case TabCountdown: return KindCountdown;
    default: return {};
    }
}

int indexForKindWord(const QString &kind)
{
    for (int i = 0; i <= TabCountdown; ++i)
        if (kindWordForIndex(i) == kind)
            return i;
    return -1;
}

std::optional<QDate> ParseDateText(const QString &text)
{
    const QDate d = QDate::fromString(text, DateFormat);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QTime> ParseTimeText(const QString &text)
{
    const QTime t = QTime::fromString(text, TimeFormat);
    if (!t.isValid())
        return std::nullopt;
    return t;
}

QString WeekdayText(const QDate &d)
{
    static const char16_t *names[] = {u"每周日", u"每周一", u"每周二", u"每周三",
                                      u"每周四", u"每周五", u"每周六"};
    return QString::fromUtf16(names[d.dayOfWeek() % 7]); // Qt: Monday 1 .. Sunday 7
}

} // namespace Vocab
