#pragma once
// The catalogue of every statement the program issues against table Task.
// Values go in between single quotes with their quotes doubled, so no value can
// end the quoted text early; for ordinary values the texts are the historic ones
// word for word. Ids are checked to be integers before they are placed.
#include <QString>
#include <stdexcept>

class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TaskFields {
    QString title;
    QString content;      // taskmemo; the program path for 程序
    QString taskdate;     // date text
    QString tasktime;     // display text
    QString calendar;     // 阳历 / 农历
    QString xhtype;       // recurrence code
    QString tasktemptime; // time text
    QString exetype;      // 程序 only
};

namespace Statements {

QString Quoted(const QString &value); // the value with ' doubled (no surrounding quotes)
// The id as a canonical integer text; throws EDatabaseError when it is not an integer.
QString CheckedId(const QString &id);

QString ActiveList();                                          // 1
QString TabList(int state, int kindIndex);                     // 2; empty for a kind index outside 0..4
QString DuplicateTitle(const QString &kind, const QString &title); // 3, 3a
QString InsertTask(const QString &kind, const TaskFields &f);  // 4, 5, 6
QString UpdateTask(const QString &kind, const TaskFields &f, const QString &id); // 7, 8, 9
QString FinishTask(const QString &id);                         // 10
QString SelectTask(const QString &id);                         // 11
QString InsertPostponed(const QString &kind, const QString &title, const QString &content,
                        const QString &date, const QString &display, const QString &calendar,
                        const QString &time);                  // 12
QString InsertPostponedShutdown(const QString &kind, const QString &title, const QString &date,
                                const QString &display, const QString &calendar,
                                const QString &time);          // 13
QString DeleteTask(const QString &id);                         // the row sets' delete of their current row

} // namespace Statements
