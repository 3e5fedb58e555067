#include "editors/TaskEditorLogic.h"

#include "calendar/DateCn.h"
#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"

#include <cstdlib>
#include <tuple>

namespace TaskEditor {

QString CalendarWord(bool lunar)
{
    return lunar ? Vocab::CalendarLunar : Vocab::CalendarSolar;
}

QString DisplayText(int repeat, const QDate &date, const QTime &time)
{
    const QString t = Vocab::TimeText(time);
    switch (repeat) {
    case 1: return Vocab::DateText(date) + QLatin1Char(' ') + t;
    case 2: return QStringLiteral("每小时 ") + time.toString(QStringLiteral("mm:ss"));
    case 3: return QStringLiteral("每天 ") + t;
    case 4: return Vocab::WeekdayText(date) + QLatin1Char(' ') + t;
    case 5: return QStringLiteral("每月") + QString::number(date.day()) + QStringLiteral("日 ") + t;
    case 6:
        return QStringLiteral("每年") + date.toString(QStringLiteral("MM")) + QStringLiteral("月")
            + date.toString(QStringLiteral("dd")) + QStringLiteral("日 ") + t;
    default: return {};
    }
}

TaskFields BuildFields(const EditorKind &kind, const EditorInput &in)
{
    TaskFields f;
    f.title = in.title;
    if (kind.content != EditorContentRow::None)
        f.content = in.content;
    f.taskdate = Vocab::DateText(in.date);
    f.tasktemptime = Vocab::TimeText(in.time);
    f.tasktime = DisplayText(in.repeat, in.date, in.time);
    f.calendar = CalendarWord(in.lunar);
    f.xhtype = QString::number(in.repeat);
    if (kind.content == EditorContentRow::ProgramPath)
        f.exetype = QString::number(in.showMode);
    return f;
}

bool IsNewTask(const EditorKind &kind, const QString &windowTitle)
{
    return windowTitle == kind.newCaption();
}

static int secondOfDay(const QTime &t)
{
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}

std::optional<QString> CheckOneTime(bool lunar, const QDate &date, const QTime &time, const QDateTime &now)
{
    const QDate today = now.date();
    std::tuple<int, int, int> r{today.year(), today.month(), today.day()};
    if (lunar) {
        const int v = std::abs(DateCn::SolarToLunar(today)); // a leap month counts as its month
        if (v == 0)
            DateCn::LunarDateText(today); // throws its conversion error
        r = {today.year(), v / 100, v % 100};
    }
    const std::tuple<int, int, int> picked{date.year(), date.month(), date.day()};
    if (picked < r)
        return EditorText::DatePassed;
    if (picked == r && secondOfDay(time) < secondOfDay(now.time()))
        return EditorText::TimePassed;
    return std::nullopt;
}

static void bestEffort(const std::function<void()> &fn)
{
    if (!fn)
        return;
    try {
        fn();
    } catch (...) {
    }
}

SaveResult Save(TDataModule1 &dm, const EditorKind &kind, const EditorInput &in, const QDateTime &now,
                const SaveHooks &hooks)
{
    SaveResult res;
    if (!dm.ADOConnection1.Connected()) {
        res.message = EditorText::NotConnected;
        return res;
    }
    if (in.title.isEmpty()) {
        res.message = EditorText::EmptyTitle;
        res.focusTitle = true;
        return res;
    }
    if (in.repeat == 1) {
        try {
            if (auto refusal = CheckOneTime(in.lunar, in.date, in.time, now)) {
                res.message = *refusal;
                return res;
            }
        } catch (const EConvertError &e) {
            res.outcome = SaveResult::Failed;
            res.message = QString::fromStdString(e.what());
            return res;
        }
    }
    const TaskFields fields = BuildFields(kind, in);
    const bool isNew = IsNewTask(kind, in.windowTitle);

    if (isNew) {
        try {
            dm.ADO1.Close();
            dm.ADO1.SetSQL(Statements::DuplicateTitle(kind.kind(), in.title));
            dm.ADO1.Open();
        } catch (const EDatabaseError &e) {
            dm.ADO1.Close();
            res.outcome = SaveResult::Failed;
            res.message = QString::fromStdString(e.what());
            return res;
        }
        if (!dm.ADO1.IsEmpty()) {
            dm.ADO1.Close();
            res.message = EditorText::DuplicateTitle;
            return res;
        }
    }

    dm.ADO1.Close();
    try {
        dm.ADOConnection1.InTransaction([&] {
            dm.ADO1.SetSQL(isNew ? Statements::InsertTask(kind.kind(), fields)
                                 : Statements::UpdateTask(kind.kind(), fields, in.id));
            dm.ADO1.ExecSQL();
            if (hooks.AddMaingrid)
                hooks.AddMaingrid();
            if (hooks.ReloadTab)
                hooks.ReloadTab();
        });
        res.outcome = SaveResult::Saved;
    } catch (...) {
        // Rolled back: bring the lists back in line with the table as it stands.
        bestEffort(hooks.AddMaingrid);
        bestEffort(hooks.ReloadTab);
        res.outcome = SaveResult::Failed;
        res.message = isNew ? EditorText::InsertFailed : EditorText::UpdateFailed;
    }
    dm.ADO1.Close();
    return res;
}

TaskRecord RecordFromRowSet(const TRowSet &rs)
{
    auto f = [&](const char *name) { return rs.FieldAsString(QString::fromLatin1(name)); };
    return {f("id"), f("taskname"), f("taskmemo"), f("taskdate"), f("tasktemptime"), f("tasktimetype"),
            f("xhtype"), f("Exetype")};
}

TaskRecord RecordFromQuery(TQuery &q)
{
    auto f = [&](const char *name) {
        const int i = q.FieldIndex(QString::fromLatin1(name));
        return i < 0 ? QString() : q.FieldAsString(i);
    };
    return {f("id"), f("taskname"), f("taskmemo"), f("taskdate"), f("tasktemptime"), f("tasktimetype"),
            f("xhtype"), f("Exetype")};
}

static int codeIn(const QString &text, int last)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok && v >= 1 && v <= last ? v : 0;
}

LoadResult ReadRecord(const TaskRecord &r)
{
    LoadResult res;
    const auto date = Vocab::ParseDateText(r.date);
    if (!date) {
        res.error = QStringLiteral("'%1' is not a valid date").arg(r.date.left(80));
        return res;
    }
    const auto time = Vocab::ParseTimeText(r.time);
    if (!time) {
        res.error = QStringLiteral("'%1' is not a valid time").arg(r.time.left(80));
        return res;
    }
    EditorValues v;
    v.id = r.id;
    v.title = r.title;
    v.memo = r.memo;
    v.date = *date;
    v.time = *time;
    v.lunar = r.calendar == Vocab::CalendarLunar;
    v.repeat = codeIn(r.xhtype, 6);
    v.showMode = codeIn(r.exetype, 3);
    res.values = v;
    return res;
}

} // namespace TaskEditor
