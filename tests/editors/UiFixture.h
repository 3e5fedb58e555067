#pragma once
// A program folder, clock, data module, active list and recording fakes for window tests.
#include "alerts/MediaPlayer.h"
#include "data/DataUnit.h"
#include "mainwindow/AppContext.h"
#include "platform/Clock.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

class FakePlayer final : public IMediaPlayer {
public:
    QStringList calls;
    QString file;
    void Close() override { calls << QStringLiteral("Close"); }
    void setFileName(const QString &f) override
    {
        file = f;
        calls << QStringLiteral("FileName=") + f;
    }
    QString FileName() const override { return file; }
    void Open() override { calls << QStringLiteral("Open"); }
    void Play() override { calls << QStringLiteral("Play"); }
    TMPModes Mode() const override { return TMPModes::Stopped; }
};

struct UiApp {
    TestProgramDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(10, 30, 0))};
    TDataModule1 dm;
    TActiveTaskList list;
    FakePlayer player;
    TAppContext ctx;
    explicit UiApp(bool connect = true)
    {
        ctx.vars = LoadMainVars(dir.path());
        ctx.clock = &clock;
        ctx.data = &dm;
        ctx.activeList = &list;
        ctx.MediaPlayer1 = &player;
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        if (connect)
            dm.ADOConnection1.Open();
    }
    qint64 insert(const QString &kind, const QString &title, const QString &stype = QStringLiteral("0"))
    {
        TestTask t;
        t.kind = kind;
        t.title = title;
        t.stype = stype;
        return InsertTestTask(dm, t);
    }
    QVariant field(qint64 id, const char *column)
    {
        QSqlQuery q(QSqlDatabase::database(dm.ADOConnection1.connectionName(), false));
        q.exec(QStringLiteral("select %1 from Task where id=%2").arg(QString::fromLatin1(column)).arg(id));
        return q.next() ? q.value(0) : QVariant();
    }
    int count()
    {
        QSqlQuery q(QSqlDatabase::database(dm.ADOConnection1.connectionName(), false));
        q.exec(QStringLiteral("select count(*) from Task"));
        q.next();
        return q.value(0).toInt();
    }
};
