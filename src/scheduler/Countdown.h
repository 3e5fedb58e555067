#pragma once
// The "剩余时间" column of the countdown tab: the time left to each countdown row,
// recomputed from the clock on every tick; nothing is stored.
#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

class TRowSet;

namespace Countdown {

inline const QString DoneText = QStringLiteral("已经完成");

// The fields of one countdown row the column is computed from.
struct TCountdownRow {
    QString tasktime;     // display text; "yyyy-MM-dd HH:mm:ss" for a once countdown
    QString tasktimetype; // 阳历 / 农历
    QString xhtype;       // "1" once, "3" daily
    QString tasktemptime; // time text, read for daily countdowns
};

// What the column shows for one row at now:
//  - a text to write ("1天2:3:4", "HH:mm:ss" or "已经完成");
//  - nullopt when the row keeps its text: a calendar word or code this column does not
//    count, or a text that cannot be read (that row only).
std::optional<QString> CountdownText(const TCountdownRow &row, const QDateTime &now);

// "<days>天<h>:<m>:<s>" of a positive span, seconds and below truncated.
QString SpanText(qint64 milliseconds);

struct TRemainingText {
    int row;
    QString text;
};
// The texts for every row of the countdown row set at now, in row order. A row that
// cannot be read is left out alone; the rows after it are still computed.
QVector<TRemainingText> CountdownTexts(const TRowSet &rows, const QDateTime &now);

} // namespace Countdown
