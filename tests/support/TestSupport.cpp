#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <stdexcept>

TestProgramDir::TestProgramDir()
{
    QDir d(m_dir.path());
    d.mkpath(QStringLiteral("Config"));
    d.mkpath(QStringLiteral("LData"));
    d.mkpath(QStringLiteral("Music"));
    if (!CreateTaskDatabase(databaseFile()))
        throw std::runtime_error("cannot create the test database");
    // Never the real script: this one only leaves a marker behind.
    writeFile(QStringLiteral("Config/down.sh"),
              "#!/bin/sh\necho ran >> '" + shutdownMarker().toUtf8() + "'\n");
    QFile::setPermissions(file(QStringLiteral("Config/down.sh")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestProgramDir::writeFile(const QString &rel, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(file(rel)).absolutePath());
    QFile f(file(rel));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TestProgramDir::readFile(const QString &rel) const
{
    QFile f(file(rel));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool CreateTaskDatabase(const QString &path)
{
    QFile schema(QStringLiteral(CORVINA_SCHEMA_FILE));
    if (!schema.open(QIODevice::ReadOnly))
        return false;
    QString text;
    for (const QString &l : QString::fromUtf8(schema.readAll()).split(QLatin1Char('\n')))
        if (!l.trimmed().startsWith(QLatin1String("--")))
            text += l + QLatin1Char('\n');
    bool ok = true;
    const QString name = QStringLiteral("create-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString &stmt : text.split(QLatin1Char(';'))) {
            if (!ok || stmt.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            ok = q.exec(stmt);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

qint64 InsertTestTask(TDataModule1 &dm, const TestTask &t)
{
    QSqlQuery q(QSqlDatabase::database(dm.ADOConnection1.connectionName(), false));
    q.prepare(QStringLiteral("insert into Task (tasktype,taskname,taskmemo,taskdate,tasktime,tasktimetype,xhtype,"
                             "tasktemptime,stype,Exetype) values (?,?,?,?,?,?,?,?,?,?)"));
    const QString display = t.tasktime.isEmpty() ? t.date + QLatin1Char(' ') + t.time : t.tasktime;
    for (const QString &v : {t.kind, t.title, t.memo, t.date, display, t.calendar, t.xhtype, t.time, t.stype})
        q.addBindValue(v);
    q.addBindValue(t.exetype.isNull() ? QVariant() : QVariant(t.exetype));
    if (!q.exec())
        throw std::runtime_error(q.lastError().text().toStdString());
    return q.lastInsertId().toLongLong();
}

void InsertTestTasks(TDataModule1 &dm, int n, const std::function<TestTask(int)> &make)
{
    QSqlDatabase db = QSqlDatabase::database(dm.ADOConnection1.connectionName(), false);
    db.transaction();
    for (int i = 0; i < n; ++i)
        InsertTestTask(dm, make(i));
    db.commit();
}

void OpenTestDatabase(TDataModule1 &dm, const TestProgramDir &dir)
{
    dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
    dm.ADOConnection1.Open();
}
