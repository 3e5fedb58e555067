#include "editors/TaskGridModel.h"

#include "data/DataUnit.h"

TTaskGridModel::TTaskGridModel(TRowSet &rowSet, QVector<TaskGridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_rs(rowSet), m_columns(std::move(columns))
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].field.isEmpty()) {
            m_textColumn = c;
            break;
        }
    connect(&m_rs, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&m_rs, &QAbstractItemModel::modelReset, this, [this] {
        rowSetReset();
        endResetModel();
    });
    rowSetReset();
}

QVector<TaskGridColumn> TTaskGridModel::TaskColumns()
{
    return {{QStringLiteral("taskname"), QStringLiteral("任务名称"), 188},
            {QStringLiteral("tasktime"), QStringLiteral("到期时间"), 154},
            {QStringLiteral("tasktimetype"), QStringLiteral("时间类型"), 68}};
}

QVector<TaskGridColumn> TTaskGridModel::CountdownColumns()
{
    return {{QStringLiteral("taskname"), QStringLiteral("任务名称"), 116},
            {QStringLiteral("tasktime"), QStringLiteral("到期时间"), 115},
            {QStringLiteral("tasktimetype"), QStringLiteral("时间类型"), 62},
            {QString(), QStringLiteral("剩余时间"), 119},
            {QStringLiteral("id"), QStringLiteral("id"), 64, false},
            {QStringLiteral("xhtype"), QStringLiteral("xhtype"), 64, false},
            {QStringLiteral("tasktemptime"), QStringLiteral("tasktemptime"), 64, false},
            {QStringLiteral("taskdate"), QStringLiteral("taskdate"), 64, false}};
}

void TTaskGridModel::rowSetReset()
{
    m_fieldIndex.clear();
    for (const TaskGridColumn &c : m_columns)
        m_fieldIndex << (c.field.isEmpty() ? -1 : m_rs.FieldIndex(c.field));
    m_texts = QStringList(); // a reload empties the text column until its next writing
    if (m_textColumn >= 0) {
        m_texts.reserve(m_rs.RecordCount());
        for (int i = 0; i < m_rs.RecordCount(); ++i)
            m_texts << QString();
    }
}

void TTaskGridModel::setRemainingText(int row, const QString &text)
{
    if (m_textColumn < 0 || row < 0 || row >= m_texts.size() || m_texts[row] == text)
        return;
    m_texts[row] = text;
    const QModelIndex i = index(row, m_textColumn);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

QString TTaskGridModel::remainingText(int row) const
{
    return row >= 0 && row < m_texts.size() ? m_texts[row] : QString();
}

int TTaskGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rs.RecordCount();
}

int TTaskGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TTaskGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rs.RecordCount()
        || index.column() >= m_columns.size())
        return {};
    const int f = m_fieldIndex[index.column()];
    if (f < 0)
        return index.column() == m_textColumn ? remainingText(index.row()) : QString();
    return m_rs.data(m_rs.index(index.row(), f), Qt::DisplayRole);
}

QVariant TTaskGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    return m_columns[section].header;
}
