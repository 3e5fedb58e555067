#include "scheduler/ActiveTaskList.h"

#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"

void TActiveTaskList::AddMaingrid(TDataModule1 &dm)
{
    beginResetModel();
    m_rows.clear();
    struct Reset {
        TActiveTaskList *self;
        ~Reset()
        {
            self->endResetModel();
            emit self->reloaded(self->ActiveTaskCount());
        }
    } reset{this};

    TQuery &q = dm.ADO2;
    q.Close();
    q.SetSQL(QString());
    q.SetSQL(Statements::ActiveList());
    q.Open();
    if (q.IsEmpty())
        return;
    static const char *names[] = {"tasktype", "taskname", "tasktime", "xhtype", "taskmemo",
                                  "tasktemptime", "id", "tasktimetype", "taskdate", "Exetype"};
    int ix[10];
    for (int i = 0; i < 10; ++i)
        ix[i] = q.FieldIndex(QString::fromLatin1(names[i]));
    for (; !q.Eof(); q.Next()) {
        Row r;
        const QString kind = q.FieldAsString(ix[0]);
        r[ColLabel] = Vocab::TaskLabel(kind, q.FieldAsString(ix[1]));
        r[ColTaskTime] = q.FieldAsString(ix[2]);
        r[ColRepeat] = q.FieldAsString(ix[3]);
        r[ColMemo] = q.FieldAsString(ix[4]);
        r[ColTimeText] = q.FieldAsString(ix[5]);
        r[ColId] = q.FieldAsString(ix[6]);
        r[ColKind] = kind;
        r[ColCalendar] = q.FieldAsString(ix[7]);
        r[ColDate] = q.FieldAsString(ix[8]);
        r[ColShowMode] = q.FieldAsString(ix[9]);
        m_rows.push_back(std::move(r));
    }
}

void TActiveTaskList::FinishTask(TDataModule1 &dm, const QString &id)
{
    TQuery &q = dm.ADO2;
    q.Close();
    q.SetSQL(QString());
    try {
        q.SetSQL(Statements::FinishTask(id));
        q.ExecSQL();
        AddMaingrid(dm);
        dm.ADOExe.Reopen();
    } catch (const EDatabaseError &) {
        // finishing is best effort: the task simply stays listed
    }
    q.Close();
}

bool TActiveTaskList::containsId(const QString &id) const
{
    for (const Row &r : m_rows)
        if (r[ColId] == id)
            return true;
    return false;
}

int TActiveTaskList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(1, int(m_rows.size()));
}

int TActiveTaskList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TActiveTaskList::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    return m_rows[index.row()][index.column()];
}

QVariant TActiveTaskList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    if (section == ColLabel)
        return QStringLiteral(" 任务名称");
    if (section == ColTaskTime)
        return QStringLiteral(" 到期时间");
    return QString();
}
