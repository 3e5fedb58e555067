#include "data/DataUnit.h"

#include "data/TaskVocabulary.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

namespace {
QAtomicInt g_connectionCounter;

EDatabaseError errorOf(const QSqlError &e)
{
    return EDatabaseError(e.text().toStdString());
}
} // namespace

TConnection::TConnection()
    : m_name(QStringLiteral("corvina-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1)))
{
}

TConnection::~TConnection()
{
    Close();
    QSqlDatabase::removeDatabase(m_name);
}

void TConnection::Open()
{
    Close();
    if (m_file.isEmpty() || !QFileInfo(m_file).isFile())
        throw EDatabaseError("task database not found");
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // mode=rw: SQLite must never create the file when it is missing.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(m_file).absoluteFilePath());
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=250"));
    if (!db.open())
        throw errorOf(db.lastError());
    // A file that is not SQLite, is empty, or is locked away fails here, not later.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master where type='table' and lower(name)='task'"))
        || !probe.next() || probe.value(0).toInt() != 1) {
        const QSqlError err = probe.lastError();
        probe.finish();
        db.close();
        throw EDatabaseError(err.isValid() ? err.text().toStdString() : "table Task is missing");
    }
    m_connected = true;
}

void TConnection::Close()
{
    if (QSqlDatabase::contains(m_name)) {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    m_connected = false;
}

void TConnection::InTransaction(const std::function<void()> &fn)
{
    if (!m_connected)
        throw EDatabaseError("not connected");
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.transaction())
        throw errorOf(db.lastError());
    try {
        fn();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QSqlError err = db.lastError();
        db.rollback();
        throw errorOf(err);
    }
}

// ---- TQuery

void TQuery::Close()
{
    m_query.reset();
    m_index.clear();
    m_active = false;
    m_eof = true;
    m_emptyAtOpen = true;
}

void TQuery::Open()
{
    Close();
    if (!m_conn.Connected())
        throw EDatabaseError("not connected");
    auto q = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_conn.connectionName(), false));
    q->setForwardOnly(true);
    if (!q->exec(m_sql))
        throw errorOf(q->lastError());
    if (!q->isSelect())
        throw EDatabaseError("statement returns no rows");
    m_query = std::move(q);
    m_active = true;
    m_eof = !m_query->next();
    m_emptyAtOpen = m_eof;
}

void TQuery::ExecSQL()
{
    Close();
    if (!m_conn.Connected())
        throw EDatabaseError("not connected");
    QSqlQuery q(QSqlDatabase::database(m_conn.connectionName(), false));
    if (!q.exec(m_sql))
        throw errorOf(q.lastError());
}

void TQuery::Next()
{
    if (m_active && !m_eof)
        m_eof = !m_query->next();
}

int TQuery::FieldIndex(const QString &name)
{
    if (!m_active)
        return -1;
    auto it = m_index.constFind(name);
    if (it != m_index.constEnd())
        return *it;
    const int i = m_query->record().indexOf(name); // case-insensitive
    m_index.insert(name, i);
    return i;
}

QString TQuery::FieldAsString(int index) const
{
    if (!m_active || m_eof || index < 0)
        return {};
    return m_query->value(index).toString();
}

QString TQuery::FieldAsString(const QString &name)
{
    const int i = FieldIndex(name);
    if (i < 0)
        throw EDatabaseError("no field " + name.toStdString());
    return FieldAsString(i);
}

int TQuery::FieldAsInteger(const QString &name)
{
    const QString text = FieldAsString(name).trimmed();
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        throw EDatabaseError("'" + text.toStdString() + "' is not a valid integer value");
    return v;
}

// ---- TRowSet

TRowSet::TRowSet(TConnection &connection, QObject *parent) : QAbstractTableModel(parent), m_conn(connection) {}

void TRowSet::Close()
{
    beginResetModel();
    m_cells.clear();
    m_rowCount = 0;
    m_fields.clear();
    m_current = -1;
    m_active = false;
    endResetModel();
}

void TRowSet::Open()
{
    Close();
    if (!m_conn.Connected())
        throw EDatabaseError("not connected");
    QSqlQuery q(QSqlDatabase::database(m_conn.connectionName(), false));
    q.setForwardOnly(true);
    if (!q.exec(m_sql))
        throw errorOf(q.lastError());
    beginResetModel();
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        m_fields << rec.fieldName(i);
    const int cols = rec.count();
    while (q.next()) {
        for (int i = 0; i < cols; ++i)
            m_cells.push_back(q.value(i).toString());
        ++m_rowCount;
    }
    m_active = true;
    m_current = m_rowCount == 0 ? -1 : 0;
    endResetModel();
    emit currentRowChanged(m_current);
}

void TRowSet::SetCurrentRow(int row)
{
    if (row < 0 || row >= m_rowCount || row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(row);
}

int TRowSet::FieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TRowSet::FieldAsString(int row, const QString &name) const
{
    const int i = FieldIndex(name);
    if (row < 0 || row >= m_rowCount || i < 0)
        return {};
    return cell(row, i);
}

QString TRowSet::FieldAsString(const QString &name) const
{
    return FieldAsString(m_current, name);
}

void TRowSet::DeleteCurrent()
{
    if (m_current < 0)
        return;
    const int row = m_current;
    TQuery del(m_conn);
    del.SetSQL(Statements::DeleteTask(FieldAsString(row, QStringLiteral("id"))));
    del.ExecSQL();
    Open();
    SetCurrentRow(qMin(row, RecordCount() - 1));
}

int TRowSet::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int TRowSet::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant TRowSet::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rowCount
        || index.column() >= m_fields.size())
        return {};
    return cell(index.row(), index.column());
}

QVariant TRowSet::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_fields.size())
        return {};
    return m_fields[section];
}

// ---- TDataModule1

TDataModule1::TDataModule1() = default;

TRowSet *TDataModule1::rowSetForKind(int kindIndex)
{
    switch (kindIndex) {
    case Vocab::TabSchedule: return &ADOToday;
    case Vocab::TabAlarm: return &ADOClock;
    case Vocab::TabProgram: return &ADOExe;
    case Vocab::TabShutdown: return &ADOOff;
    case Vocab::TabCountdown: return &ADOTime;
    default: return nullptr;
    }
}

QString TDataModule1::DatabasePath(const QString &programDir)
{
    return programDir + QStringLiteral("LData/CorvinaData.mdb");
}
