#include "data/TaskStatements.h"

#include "data/TaskVocabulary.h"

namespace Statements {

QString Quoted(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\''), QLatin1String("''"));
    return v;
}

static bool isIdText(const QString &id)
{
    if (id.isEmpty() || id.size() > 18)
        return false;
    for (qsizetype i = 0; i < id.size(); ++i) {
        const char16_t c = id[i].unicode();
        if (c >= u'0' && c <= u'9')
            continue;
        if (i == 0 && c == u'-' && id.size() > 1)
            continue;
        return false;
    }
    return true;
}

QString CheckedId(const QString &id)
{
    // Digits only, so nothing but a number can ever follow "id=".
    if (!isIdText(id))
        throw EDatabaseError("invalid task id: " + id.left(40).toStdString());
    return QString::number(id.toLongLong());
}

QString ActiveList()
{
    return QStringLiteral("Select * from task where stype='0' order by id desc");
}

QString TabList(int state, int kindIndex)
{
    const QString kind = Vocab::kindWordForIndex(kindIndex);
    if (kind.isEmpty())
        return {};
    return QStringLiteral("Select * from task where (stype='") + QString::number(state) + QStringLiteral("')  ")
        + QStringLiteral(" and (tasktype='") + kind + QStringLiteral("') order by id desc");
}

static bool isProgramOrShutdown(const QString &kind)
{
    return kind == Vocab::KindProgram || kind == Vocab::KindShutdown;
}

QString DuplicateTitle(const QString &kind, const QString &title)
{
    const QString head = isProgramOrShutdown(kind) ? QStringLiteral("Select * from Task where  (taskname='")
                                                   : QStringLiteral("Select * from Task where (taskname='");
    return head + Quoted(title) + QStringLiteral("') and (tasktype='") + kind + QStringLiteral("')");
}

QString InsertTask(const QString &kind, const TaskFields &f)
{
    const QString sep = QStringLiteral("','");
    if (kind == Vocab::KindProgram)
        return QStringLiteral("Insert Into Task (tasktype,taskname,taskmemo,tasktime,tasktimetype,xhtype,Exetype,taskdate,tasktemptime) values ('程序','")
            + Quoted(f.title) + sep + Quoted(f.content) + sep + Quoted(f.tasktime) + sep + Quoted(f.calendar) + sep
            + Quoted(f.xhtype) + sep + Quoted(f.exetype) + sep + Quoted(f.taskdate) + sep + Quoted(f.tasktemptime)
            + QStringLiteral("') ");
    if (kind == Vocab::KindShutdown)
        return QStringLiteral("Insert Into Task (tasktype,taskname,taskdate,tasktime,tasktimetype,xhtype,tasktemptime) values ('关机','")
            + Quoted(f.title) + sep + Quoted(f.taskdate) + sep + Quoted(f.tasktime) + sep + Quoted(f.calendar) + sep
            + Quoted(f.xhtype) + sep + Quoted(f.tasktemptime) + QStringLiteral("') ");
    return QStringLiteral("Insert Into Task (tasktype,taskname,taskmemo,taskdate,tasktime,tasktimetype,xhtype,tasktemptime) values ('")
        + Quoted(kind) + sep + Quoted(f.title) + sep + Quoted(f.content) + sep + Quoted(f.taskdate) + sep
        + Quoted(f.tasktime) + sep + Quoted(f.calendar) + sep + Quoted(f.xhtype) + sep + Quoted(f.tasktemptime)
        + QStringLiteral("') ");
}

QString UpdateTask(const QString &kind, const TaskFields &f, const QString &id)
{
    const QString key = CheckedId(id);
    const QString tail = QStringLiteral("',xhtype='") + Quoted(f.xhtype) + QStringLiteral("',tasktimetype='")
        + Quoted(f.calendar) + QStringLiteral("',taskdate='") + Quoted(f.taskdate) + QStringLiteral("',tasktemptime='")
        + Quoted(f.tasktemptime) + QStringLiteral("',tasktime='") + Quoted(f.tasktime);
    if (kind == Vocab::KindShutdown)
        return QStringLiteral("Update Task set taskname='") + Quoted(f.title) + tail
            + QStringLiteral("',stype='0' where id=") + key + QStringLiteral(" ");
    const QString head = QStringLiteral("Update Task set taskname='") + Quoted(f.title) + QStringLiteral("',taskmemo='")
        + Quoted(f.content) + tail;
    if (kind == Vocab::KindProgram)
        return head + QStringLiteral("',stype='0',Exetype='") + Quoted(f.exetype) + QStringLiteral("' where id=") + key
            + QStringLiteral(" ");
    return head + QStringLiteral("',stype='0' where id=") + key + QStringLiteral(" ");
}

QString FinishTask(const QString &id)
{
    return QStringLiteral("Update Task set stype='1' where id=") + CheckedId(id);
}

QString SelectTask(const QString &id)
{
    return QStringLiteral("select * from task where id=") + CheckedId(id);
}

QString InsertPostponed(const QString &kind, const QString &title, const QString &content, const QString &date,
                        const QString &display, const QString &calendar, const QString &time)
{
    const QString sep = QStringLiteral("','");
    return QStringLiteral("Insert Into Task (tasktype,taskname,taskmemo,taskdate,tasktime,tasktimetype,xhtype,tasktemptime) values ('")
        + Quoted(kind) + sep + Quoted(title) + sep + Quoted(content) + sep + Quoted(date) + sep + Quoted(display) + sep
        + Quoted(calendar) + QStringLiteral("','1','") + Quoted(time) + QStringLiteral("') ");
}

QString InsertPostponedShutdown(const QString &kind, const QString &title, const QString &date,
                                const QString &display, const QString &calendar, const QString &time)
{
    const QString sep = QStringLiteral("','");
    return QStringLiteral("Insert Into Task (tasktype,taskname,taskdate,tasktime,tasktimetype,xhtype,tasktemptime) values ('")
        + Quoted(kind) + sep + Quoted(title) + sep + Quoted(date) + sep + Quoted(display) + sep + Quoted(calendar)
        + QStringLiteral("','1','") + Quoted(time) + QStringLiteral("') ");
}

QString DeleteTask(const QString &id)
{
    return QStringLiteral("Delete from Task where id=") + CheckedId(id);
}

} // namespace Statements
