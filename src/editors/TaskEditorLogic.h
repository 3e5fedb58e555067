#pragma once
// What an editor's 确定 decides and writes, without a window: the checks and their
// messages, the stored texts, the duplicate-title check, the insert or update, and
// the reloads that follow. Also the reading of a stored task back into editor values.
#include "data/TaskStatements.h"
#include "editors/EditorKinds.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <functional>
#include <optional>

class TDataModule1;
class TQuery;
class TRowSet;

namespace EditorText {
inline const QString NotConnected = QStringLiteral("数据库连接失败!");
inline const QString EmptyTitle = QStringLiteral("任务名称不能为空");
inline const QString DatePassed = QStringLiteral("单次循环的闹钟日期必须大于现在日期");
inline const QString TimePassed = QStringLiteral("单次循环的闹钟时间必须大于现在时间");
inline const QString DuplicateTitle = QStringLiteral("已存在相同的任务标题");
inline const QString InsertFailed = QStringLiteral("新建任务失败请重试");
inline const QString UpdateFailed = QStringLiteral("修改任务失败请重试");
} // namespace EditorText

namespace TaskEditor {

// What the dialog holds when 确定 is pressed.
struct EditorInput {
    QString windowTitle; // decides new or change
    QString id;          // Edit1
    QString title;       // sEdit1
    QString content;     // Memo1, or the program path
    QDate date;          // AdvDateTimePicker1
    QTime time;          // AdvDateTimePicker2
    bool lunar = false;  // sCheckBox1
    int repeat = 1;      // 1..6, the selected recurrence button
    int showMode = 1;    // 1..3, program tasks only
};

QString CalendarWord(bool lunar);
// The tasktime display text of a recurrence code 1..6 (empty for any other code).
QString DisplayText(int repeat, const QDate &date, const QTime &time);
TaskFields BuildFields(const EditorKind &kind, const EditorInput &in);
bool IsNewTask(const EditorKind &kind, const QString &windowTitle);

// The one-time test against the reference day. A lunar reference day is today's lunar
// month and day in the current solar year, compared as numbers, so lunar 2-29 and 2-30
// need no solar date. Empty when the pick passes; throws EConvertError when today has
// no lunar date (outside the table's years).
std::optional<QString> CheckOneTime(bool lunar, const QDate &date, const QTime &time, const QDateTime &now);

struct SaveHooks {
    std::function<void()> AddMaingrid; // reload the active task list
    std::function<void()> ReloadTab;   // the kind's tab reload
};

struct SaveResult {
    enum Outcome { Saved, Refused, Failed };
    Outcome outcome = Refused;
    QString message;         // shown in a message box unless Saved
    bool focusTitle = false; // move the keyboard focus to the title box
    bool saved() const { return outcome == Saved; }
};

// The whole save. The write and its reloads land together or not at all; ADO1 is closed
// at the end whatever happened.
SaveResult Save(TDataModule1 &dm, const EditorKind &kind, const EditorInput &in, const QDateTime &now,
                const SaveHooks &hooks);

// A stored task as texts, from a tab's row set or from a query.
struct TaskRecord {
    QString id, title, memo, date, time, calendar, xhtype, exetype;
};
TaskRecord RecordFromRowSet(const TRowSet &rs); // the current row
TaskRecord RecordFromQuery(TQuery &q);          // the current row

// A stored task as editor values. A recurrence or show-mode code that is no number 1..6
// (1..3) is 0: it selects no button.
struct EditorValues {
    QString id, title, memo;
    QDate date;
    QTime time;
    bool lunar = false;
    int repeat = 0;
    int showMode = 0;
};
struct LoadResult {
    std::optional<EditorValues> values;
    QString error; // why a stored text cannot be read, when values is empty
};
LoadResult ReadRecord(const TaskRecord &r);

} // namespace TaskEditor
