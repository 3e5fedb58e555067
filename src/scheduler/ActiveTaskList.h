#pragma once
// The in-memory list of every active task, rebuilt whole from the table on each
// reload and never patched. The due check scans it; the home tab's grid shows
// its first two columns.
#include <QAbstractTableModel>
#include <QString>
#include <QVector>
#include <array>

class TDataModule1;

class TActiveTaskList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ColLabel = 0,     // "[" + tasktype + "]" + taskname
        ColTaskTime = 1,  // display text
        ColRepeat = 2,    // xhtype
        ColMemo = 3,      // taskmemo
        ColTimeText = 4,  // tasktemptime
        ColId = 5,
        ColKind = 6,      // tasktype
        ColCalendar = 7,  // tasktimetype
        ColDate = 8,      // taskdate
        ColShowMode = 9,  // Exetype
        ColumnCount = 10
    };
    using Row = std::array<QString, ColumnCount>;

    explicit TActiveTaskList(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    // Reloads from statement 1 on ADO2 (left open). Throws EDatabaseError; the
    // rows read before a failure stay in the list.
    void AddMaingrid(TDataModule1 &dm);
    // Marks the task finished and reloads, then reopens the program tab's row set.
    // Every failure is swallowed.
    void FinishTask(TDataModule1 &dm, const QString &id);

    int ActiveTaskCount() const { return int(m_rows.size()); }
    const Row &row(int i) const { return m_rows[i]; }
    const QVector<Row> &rows() const { return m_rows; }
    bool containsId(const QString &id) const;

    // The grid: a header row and at least one (blank) row.
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void reloaded(int activeTaskCount);

private:
    QVector<Row> m_rows;
};
