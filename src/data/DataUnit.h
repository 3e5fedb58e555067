#pragma once
// The data module: the one connection to the task database and its query objects.
// Every statement follows the same pattern: close, set the text, then open or execute.
// Failures are thrown as EDatabaseError; each caller guards as its window requires.
#include "data/TaskStatements.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class TConnection {
public:
    TConnection();
    ~TConnection();
    TConnection(const TConnection &) = delete;
    TConnection &operator=(const TConnection &) = delete;

    void setDatabaseFile(const QString &path) { m_file = path; }
    QString databaseFile() const { return m_file; }
    // Opens the existing file for reading and writing; a missing file is never
    // created, and a file that is not a task database is refused. Throws on failure.
    void Open();
    void Close();
    bool Connected() const { return m_connected; }
    QString connectionName() const { return m_name; }

    // Runs fn inside one transaction: all of it lands or none. Rethrows fn's error.
    void InTransaction(const std::function<void()> &fn);

private:
    QString m_name;
    QString m_file;
    bool m_connected = false;
};

// A query object over the connection, with a row cursor (forward only).
class TQuery {
public:
    explicit TQuery(TConnection &connection) : m_conn(connection) {}
    void Close();
    void SetSQL(const QString &text) { m_sql = text; }
    QString SQL() const { return m_sql; }
    void Open();    // row-returning statement; positioned on the first row
    void ExecSQL(); // statement without rows
    bool Active() const { return m_active; }
    bool IsEmpty() const { return !m_active || m_emptyAtOpen; }
    bool Eof() const { return !m_active || m_eof; }
    void Next();
    int FieldIndex(const QString &name); // -1 when the result has no such column
    QString FieldAsString(const QString &name); // null reads as empty text
    QString FieldAsString(int index) const;
    int FieldAsInteger(const QString &name); // throws EDatabaseError when not an integer

private:
    TConnection &m_conn;
    std::unique_ptr<QSqlQuery> m_query;
    QString m_sql;
    QHash<QString, int> m_index;
    bool m_active = false;
    bool m_eof = true;
    bool m_emptyAtOpen = true;
};

// A row set behind a task tab: all rows of its statement held in memory, a current row,
// delete-current and refresh. It is the table model its grid shows.
class TRowSet : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TRowSet(TConnection &connection, QObject *parent = nullptr);
    void Close();
    void SetSQL(const QString &text) { m_sql = text; }
    QString SQL() const { return m_sql; }
    void Open(); // throws EDatabaseError; leaves the row set closed on failure
    void Reopen() { Close(); Open(); } // same statement, keeps the tab's filter
    bool Active() const { return m_active; }
    bool IsEmpty() const { return m_rowCount == 0; }
    int RecordCount() const { return m_rowCount; }
    int CurrentRow() const { return m_current; }
    void SetCurrentRow(int row);
    int FieldIndex(const QString &name) const;
    QString FieldAsString(const QString &name) const; // of the current row
    QString FieldAsString(int row, const QString &name) const;
    QStringList FieldNames() const { return m_fields; }
    // Deletes the current row from the table (by its id), then refreshes.
    void DeleteCurrent();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void currentRowChanged(int row);

private:
    TConnection &m_conn;
    QString m_sql;
    QStringList m_fields;
    QVector<QString> m_cells; // row by row, m_fields.size() cells each: one allocation, not one per row
    int m_rowCount = 0;
    const QString &cell(int row, int col) const { return m_cells[qsizetype(row) * m_fields.size() + col]; }
    int m_current = -1;
    bool m_active = false;
};

class TDataModule1 {
public:
    TDataModule1();
    TConnection ADOConnection1;
    TQuery ADO1{ADOConnection1}; // editors
    TQuery ADO2{ADOConnection1}; // active list, finishing, alert windows
    TRowSet ADOToday{ADOConnection1};
    TRowSet ADOClock{ADOConnection1};
    TRowSet ADOExe{ADOConnection1};
    TRowSet ADOOff{ADOConnection1};
    TRowSet ADOTime{ADOConnection1};

    // The row set of a tab by its kind index (0 日程 .. 4 计时); nullptr outside.
    TRowSet *rowSetForKind(int kindIndex);

    // The task database file beside the program.
    static QString DatabasePath(const QString &programDir);
};
