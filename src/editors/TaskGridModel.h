#pragma once
// What a task tab's grid shows of its row set: the chosen fields under their headers,
// plus, for the countdown grid, a column of its own that the countdown ticker writes
// row by row and that every reload of the row set empties.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <QVector>

class TRowSet;

struct TaskGridColumn {
    QString field; // empty: no field, the per-row text column
    QString header;
    int width = 64;
    bool visible = true;
};

class TTaskGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TTaskGridModel(TRowSet &rowSet, QVector<TaskGridColumn> columns, QObject *parent = nullptr);

    // 任务名称 188, 到期时间 154, 时间类型 68.
    static QVector<TaskGridColumn> TaskColumns();
    // 任务名称 116, 到期时间 115, 时间类型 62, 剩余时间 119, then id, xhtype, tasktemptime,
    // taskdate (64 each, not shown).
    static QVector<TaskGridColumn> CountdownColumns();

    const QVector<TaskGridColumn> &columns() const { return m_columns; }
    TRowSet &rowSet() const { return m_rs; }
    // The column without a field (剩余时间), or -1.
    int textColumn() const { return m_textColumn; }
    void setRemainingText(int row, const QString &text);
    QString remainingText(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void rowSetReset();

    TRowSet &m_rs;
    QVector<TaskGridColumn> m_columns;
    QVector<int> m_fieldIndex; // per column, in the row set; -1 for the text column
    QStringList m_texts;
    int m_textColumn = -1;
};
