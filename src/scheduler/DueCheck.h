#pragma once
// The once-a-second due check over the active task list. It decides which rows
// fall due in each second it covers, then raises them one after another through
// its actions. Only the list in memory is read; the database is never queried.
#include "scheduler/ActiveTaskList.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

// The clock's texts for one second; pure functions of that second, made once
// per second and shared by every row.
struct TSecondTexts {
    QDateTime moment;     // whole second
    QString NowTimeText;  // "HH:mm:ss"
    QString NowMinSec;    // "mm:ss"
    QString TodayText;    // "yyyy-MM-dd"
    int weekday = 0;      // Qt numbering, only equality matters
    int day = 0;
    int month = 0;
    // Lunar month and day of today (leap mark dropped); 0 when outside the table.
    int lunarMonth = 0;
    int lunarDay = 0;
    // The lunar date text of today and the weekday of it read as a date; empty
    // when that text cannot be formed (lunar 2-29/2-30 on a day the solar
    // calendar lacks, or outside the table).
    std::optional<QString> LunarTodayText;
    int lunarTextWeekday = 0;

    static TSecondTexts of(const QDateTime &second);
};

// True when the row falls due in that second. A row whose code, date or time
// cannot be read is simply not due.
bool IsRowDue(const TActiveTaskList::Row &row, const TSecondTexts &s);

// What a due row asks for, taken from its columns.
struct TDueAlert {
    QString ttop, ttype, ttime, tmemo, tid, txh;
    bool off = false;
};

class TDueCheck {
public:
    struct Actions {
        // Raises a reminder (off false) or a shutdown warning; returns when answered.
        std::function<void(const TDueAlert &)> showhint;
        // Starts the program file with empty parameters and the show mode code.
        std::function<void(const QString &file, const QString &showMode)> startProgram;
        // Marks the task finished and reloads the list.
        std::function<void(const QString &id)> finishTask;
    };

    // Seconds a tick may reach back; a longer gap is not caught up.
    static constexpr int MaxCatchUpSecs = 60;

    TDueCheck(const TActiveTaskList &list, Actions actions) : m_list(list), m_actions(std::move(actions)) {}

    // One tick at now: covers every second after the last covered one up to now
    // (at most MaxCatchUpSecs back; after a longer gap or a clock set back only
    // now's second), decides the due rows of each, then acts on them in order.
    // Safe to re-enter from inside an action (a modal alert keeps the timer
    // running): the inner tick covers only seconds the outer one has not taken.
    void Tick(const QDateTime &now);

    // The seconds the next tick at now would cover; does not change state.
    QVector<QDateTime> SecondsToCover(const QDateTime &now) const;

    // Indices of the rows due in that second, in list order.
    QVector<int> DueRows(const TSecondTexts &s) const;

    QDateTime lastCovered() const { return m_lastCovered; }

private:
    struct Pending {
        TSecondTexts second;
        TActiveTaskList::Row row;
    };
    void act(const Pending &p);

    const TActiveTaskList &m_list;
    Actions m_actions;
    QDateTime m_lastCovered;
};

// Milliseconds from now until just after the next wall-clock second boundary.
int MsecsToNextSecondTick(const QDateTime &now);
