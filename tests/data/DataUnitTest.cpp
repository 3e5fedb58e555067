#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {
struct Db {
    TestProgramDir dir;
    TDataModule1 dm;
    Db()
    {
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
    }
    void exec(const QString &sql)
    {
        dm.ADO1.Close();
        dm.ADO1.SetSQL(sql);
        dm.ADO1.ExecSQL();
    }
    QString field(const QString &sql, const char *name)
    {
        dm.ADO2.Close();
        dm.ADO2.SetSQL(sql);
        dm.ADO2.Open();
        return dm.ADO2.FieldAsString(QString::fromLatin1(name));
    }
};
} // namespace

TEST(DataUnit, HostileValuesAreStoredUnchangedAndChangeNothingElse)
{
    Db db;
    TestTask other;
    other.title = QStringLiteral("other");
    InsertTestTask(db.dm, other);
    const QString hostile[] = {
        QStringLiteral("it's"), QStringLiteral("'); delete from Task; --"), QStringLiteral("a\\b\\'c"),
        QStringLiteral("line1\r\nline2\nline3"), QStringLiteral("semi;colon -- dash"), QString(10000, QChar(u'长')),
        QStringLiteral("emoji 😀 and \"double\""),
    };
    for (const QString &v : hostile) {
        TaskFields f;
        f.title = v;
        f.content = v;
        f.taskdate = QStringLiteral("2026-12-11");
        f.tasktime = v;
        f.calendar = Vocab::CalendarSolar;
        f.xhtype = QStringLiteral("1");
        f.tasktemptime = QStringLiteral("08:00:00");
        db.exec(Statements::InsertTask(Vocab::KindAlarm, f));
        db.dm.ADO2.Close();
        db.dm.ADO2.SetSQL(Statements::DuplicateTitle(Vocab::KindAlarm, v));
        db.dm.ADO2.Open();
        ASSERT_FALSE(db.dm.ADO2.IsEmpty());
        EXPECT_EQ(db.dm.ADO2.FieldAsString(QStringLiteral("taskname")), v);
        EXPECT_EQ(db.dm.ADO2.FieldAsString(QStringLiteral("taskmemo")), v);
        EXPECT_EQ(db.dm.ADO2.FieldAsString(QStringLiteral("stype")), QStringLiteral("0")); // column default
    }
    EXPECT_EQ(db.field(QStringLiteral("select count(*) as n from Task"), "n"), QString::number(1 + std::size(hostile)));
}

TEST(DataUnit, UpdateReactivatesAndShutdownHasNoContent)
{
    Db db;
    TestTask t;
    t.kind = Vocab::KindShutdown;
    t.stype = QStringLiteral("1");
    const qint64 id = InsertTestTask(db.dm, t);
    TaskFields f;
    f.title = QStringLiteral("关电脑");
    f.content = QStringLiteral("ignored");
    f.xhtype = QStringLiteral("3");
    db.exec(Statements::UpdateTask(Vocab::KindShutdown, f, QString::number(id)));
    const QString sel = Statements::SelectTask(QString::number(id));
    EXPECT_EQ(db.field(sel, "stype"), QStringLiteral("0"));
    EXPECT_EQ(db.field(sel, "taskname"), QStringLiteral("关电脑"));
    EXPECT_EQ(db.field(sel, "taskmemo"), QString());
    EXPECT_EQ(db.field(sel, "Exetype"), QString()); // null reads as empty text
    EXPECT_EQ(db.field(sel, "EXETYPE"), QString());  // names match without regard to case
}

TEST(DataUnit, TabRowSetListsOneKindAndStateNewestFirstAndDeletes)
{
    Db db;
    TestTask t;
    t.stype = QStringLiteral("1");
    t.title = QStringLiteral("a");
    InsertTestTask(db.dm, t);
    t.title = QStringLiteral("b");
    InsertTestTask(db.dm, t);
    t.stype = QStringLiteral("0");
    t.title = QStringLiteral("active");
    InsertTestTask(db.dm, t);
    t.kind = Vocab::KindSchedule;
    t.stype = QStringLiteral("1");
    InsertTestTask(db.dm, t);

    TRowSet &rs = db.dm.ADOClock;
    rs.SetSQL(Statements::TabList(1, Vocab::TabAlarm));
    rs.Open();
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.FieldAsString(0, QStringLiteral("taskname")), QStringLiteral("b"));
    EXPECT_EQ(rs.FieldAsString(1, QStringLiteral("taskname")), QStringLiteral("a"));
    rs.SetCurrentRow(1);
    rs.DeleteCurrent();
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.FieldAsString(QStringLiteral("taskname")), QStringLiteral("b"));
    EXPECT_EQ(db.field(QStringLiteral("select count(*) as n from Task"), "n"), QStringLiteral("3"));
}

TEST(DataUnit, UnusableDatabaseFilesLeaveTheConnectionClosed)
{
    TestProgramDir dir;
    const QString path = dir.file(QStringLiteral("LData/other.mdb"));
    struct Case {
        const char *name;
        std::function<void()> prepare;
    } cases[] = {
        {"missing", [&] { QFile::remove(path); }},
        {"empty", [&] { dir.writeFile(QStringLiteral("LData/other.mdb"), QByteArray()); }},
        {"garbage", [&] { dir.writeFile(QStringLiteral("LData/other.mdb"), QByteArray(4096, '\x5a')); }},
        {"no Task table", [&] {
             QFile::remove(path);
             QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("x"));
             db.setDatabaseName(path);
             db.open();
             QSqlQuery(db).exec(QStringLiteral("create table other (a text)"));
             db.close();
         }},
    };
    for (const Case &c : cases) {
        c.prepare();
        TDataModule1 dm;
        dm.ADOConnection1.setDatabaseFile(path);
        EXPECT_THROW(dm.ADOConnection1.Open(), EDatabaseError) << c.name;
        EXPECT_FALSE(dm.ADOConnection1.Connected()) << c.name;
        EXPECT_THROW(dm.ADO1.ExecSQL(), EDatabaseError) << c.name;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("x"));
    QFile::remove(path);
    TDataModule1 dm;
    dm.ADOConnection1.setDatabaseFile(path);
    EXPECT_THROW(dm.ADOConnection1.Open(), EDatabaseError);
    EXPECT_FALSE(QFile::exists(path)) << "a missing database must never be created";
}

TEST(DataUnit, LockedDatabaseFailsQuicklyAndTransactionsRollBack)
{
    Db db;
    {
        // Another process (here: another connection) holds an exclusive lock.
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        other.setDatabaseName(db.dir.databaseFile());
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")));
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        TDataModule1 dm2;
        dm2.ADOConnection1.setDatabaseFile(db.dir.databaseFile());
        EXPECT_THROW(dm2.ADOConnection1.Open(), EDatabaseError);
        lock.exec(QStringLiteral("ROLLBACK"));
        lock.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("locker"));

    TestTask t;
    const qint64 id = InsertTestTask(db.dm, t);
    EXPECT_THROW(db.dm.ADOConnection1.InTransaction([&] {
        db.exec(Statements::FinishTask(QString::number(id)));
        db.exec(QStringLiteral("insert into NoSuchTable values (1)"));
    }),
                 EDatabaseError);
    EXPECT_EQ(db.field(Statements::SelectTask(QString::number(id)), "stype"), QStringLiteral("0"));
}
