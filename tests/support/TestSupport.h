#pragma once
// A temporary program folder per test: its own task database (from the committed
// schema), Config folder and a shutdown script that only writes a marker file.
#include "data/DataUnit.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>

class TestProgramDir {
public:
    TestProgramDir();
    QString path() const { return m_dir.path() + QLatin1Char('/'); } // with trailing "/"
    QString file(const QString &rel) const { return path() + rel; }
    QString databaseFile() const { return TDataModule1::DatabasePath(path()); }
    // The marker the fixture shutdown script writes instead of powering off.
    QString shutdownMarker() const { return file(QStringLiteral("shutdown-ran.marker")); }
    void writeFile(const QString &rel, const QByteArray &bytes) const;
    QByteArray readFile(const QString &rel) const;

private:
    QTemporaryDir m_dir;
};

// Creates an empty task database at path from the schema; false on failure.
bool CreateTaskDatabase(const QString &path);

// Inserts one row directly (test set-up), returning its id.
struct TestTask {
    QString kind = QStringLiteral("闹钟");
    QString title = QStringLiteral("t");
    QString memo;
    QString date = QStringLiteral("2026-12-11");
    QString tasktime;
    QString calendar = QStringLiteral("阳历");
    QString xhtype = QStringLiteral("1");
    QString time = QStringLiteral("08:00:00");
    QString stype = QStringLiteral("0");
    QString exetype;
};
qint64 InsertTestTask(TDataModule1 &dm, const TestTask &t);
// Inserts n rows made by make(i), in one transaction (benchmarks seed thousands).
void InsertTestTasks(TDataModule1 &dm, int n, const std::function<TestTask(int)> &make);
// Opens dm on the folder's task database; throws when it cannot.
void OpenTestDatabase(TDataModule1 &dm, const TestProgramDir &dir);
