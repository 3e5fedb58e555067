// The update check end to end: the real network client against a server on 127.0.0.1,
// a temporary program folder, a key pair made for the test, and recorded message boxes.
#include "TestHttpServer.h"

#include "data/DataUnit.h"
#include "info/InfoUnit.h"
#include "info/UpdateDescription.h"
#include "info/UpgradeDialogs.h"
#include "mainwindow/AppContext.h"
#include "mainwindow/MainUnit.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
const QString kInfoPath = QStringLiteral("/corvinaupdate/AutoUpdater.inf");
const QString kProgramPath = QStringLiteral("/corvinaupdate/") + ProgramFileName();
const QString kTitle = QStringLiteral("青雀日程助手");
const QByteArray kOldProgram = "old program 3.25";

class NullShell final : public IShell {
public:
    void OpenWebAddress(const QString &) override {}
    void OpenMailAddress(const QString &) override {}
    void StartProgram(const QString &, const QString &) override {}
    void RunShutdownScript(const QString &) override {}
};

struct Rig {
    TestProgramDir dir;
    TestHttpServer server;
    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(8, 0))};
    NullShell shell;
    TAppContext ctx;
    QByteArray pk, sk;
    QStringList informed; // every plain message, as "title|text"
    QStringList asked;    // every question
    std::function<bool(const QString &)> answer = [](const QString &) { return true; };
    int restarts = 0;
    std::unique_ptr<TInfoUnit> info;

    explicit Rig(const QString &versionText = QStringLiteral("3.25"))
    {
        ctx.vars = LoadMainVars(dir.path());
        ctx.vars.VersionText = versionText;
        ctx.clock = &clock;
        ctx.shell = &shell;
        std::tie(pk, sk) = KeyPairFromSeed(RandomSeed());
        TMessageSeam seam;
        seam.Inform = [this](QWidget *, const QString &title, const QString &text) {
            informed << title + QLatin1Char('|') + text;
        };
        seam.Ask = [this](QWidget *, const QString &, const QString &text) {
            asked << text;
            return answer(text);
        };
        info = std::make_unique<TInfoUnit>(ctx, nullptr, seam, nullptr, pk);
        upgrader().InfoFileURL = server.url(kInfoPath);
        upgrader().OnRestart = [this] { ++restarts; };
        dir.writeFile(ProgramFileName(), kOldProgram);
        QFile::setPermissions(dir.file(ProgramFileName()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    TAutoUpgrader &upgrader() { return info->AutoUpgraderPro1(); }

    // Publishes a description of version for program, signed with key (the test's by default).
    void publish(const QString &version, const QByteArray &program, QByteArray key = {})
    {
        TUpdateDescription d;
        d.Application = kTitle;
        d.Version = version;
        d.Date = QStringLiteral("2026-12-01 00:00:00");
        d.Files.append({ProgramFileName(), program.size(), Sha256Of(program)});
        server.serve(kInfoPath, SignDescription(DescriptionBody(d), key.isEmpty() ? sk : key));
    }
    QByteArray programFile() const { return dir.readFile(ProgramFileName()); }
    QStringList folderFiles() const
    {
        return QDir(dir.path()).entryList({QStringLiteral("CorvinaDesktop*")}, QDir::Files);
    }
    // Lets the event loop run until the check has ended.
    bool check()
    {
        ctx.CheckUpdate();
        return waitIdle();
    }
    bool waitIdle()
    {
        QElapsedTimer t;
        t.start();
        while (upgrader().Busy() && t.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return !upgrader().Busy();
    }
};
} // namespace

TEST(UpdateCheck, IsSetUpAsTheProgramsUpdateComponent)
{
    Rig rig(QStringLiteral("0.0.0.0"));
    TInfoUnit fresh(rig.ctx, nullptr, {}, nullptr);
    TAutoUpgrader &u = fresh.AutoUpgraderPro1();
    EXPECT_EQ(u.ApplicationTitle, kTitle);
    EXPECT_EQ(u.InfoFileURL.toString(), Vendor::Site + QStringLiteral("/corvinaupdate/AutoUpdater.inf"));
    EXPECT_EQ(u.InfoFile.Files, QStringList{ProgramFileName()});
    EXPECT_EQ(u.InfoFile.UpgradeMsg, QStringLiteral("程序更新"));
    EXPECT_EQ(u.VersionControl, TAutoUpgrader::byNumber);
    EXPECT_EQ(u.VersionNumber, QStringLiteral("0.0.0.0")); // the version text as found, even without version information
    EXPECT_EQ(u.VersionDate, QStringLiteral("2011-11-13 00:00:00"));
    EXPECT_TRUE(bool(rig.ctx.CheckUpdate));
}

TEST(UpdateCheck, NoNewerVersionShowsBothNumbersOnTwoLines)
{
    for (const char *remote : {"3.25", "3.24.9", "3.25.0.0"}) {
        Rig rig;
        rig.publish(QString::fromLatin1(remote), "whatever");
        ASSERT_TRUE(rig.check());
        EXPECT_EQ(rig.informed,
                  QStringList{kTitle + QStringLiteral("|您使用的是最新版本，本机版本号：3.25\r\n服务器上程序版本号：")
                              + QString::fromLatin1(remote)})
            << remote;
        EXPECT_TRUE(rig.asked.isEmpty());
        EXPECT_EQ(rig.server.requests(kProgramPath), 0);
        EXPECT_EQ(rig.upgrader().RemoteVersionNumber(), QString::fromLatin1(remote));
    }
}

TEST(UpdateCheck, MissingFilesOnTheServerAreReportedAndNothingChanges)
{
    {
        Rig rig; // nothing published at all
        ASSERT_TRUE(rig.check());
        EXPECT_EQ(rig.informed, QStringList{kTitle + QStringLiteral("|对不起，在服务器上找不到配置文件！")});
        EXPECT_EQ(rig.programFile(), kOldProgram);
    }
    {
        Rig rig; // a description of 3.26, but no program file beside it
        rig.publish(QStringLiteral("3.26"), "new program");
        ASSERT_TRUE(rig.check());
        EXPECT_EQ(rig.asked.size(), 1);
        EXPECT_EQ(rig.server.requests(kProgramPath), 1);
        EXPECT_EQ(rig.informed, QStringList{kTitle + QStringLiteral("|对不起，服务器上没有新版本的主程序！")});
        EXPECT_EQ(rig.programFile(), kOldProgram);
        EXPECT_EQ(rig.folderFiles(), QStringList{ProgramFileName()});
    }
}

TEST(UpdateCheck, NewerSignedVersionReplacesTheProgramAndOffersARestart)
{
    Rig rig;
    const QByteArray newProgram = QByteArray("new program 3.26 ").repeated(5000); // several network reads
    rig.publish(QStringLiteral("3.26"), newProgram);
    rig.server.serve(kProgramPath, newProgram);
    ASSERT_TRUE(rig.check());
    ASSERT_EQ(rig.asked.size(), 2) << rig.informed.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(rig.asked[0], UpgradeText::AskUpgrade(QStringLiteral("3.26"), QStringLiteral("3.25")));
    EXPECT_EQ(rig.asked[1], UpgradeText::AskRestart(QStringLiteral("3.26")));
    EXPECT_TRUE(rig.informed.isEmpty()) << rig.informed.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(rig.programFile(), newProgram);
    EXPECT_TRUE(QFile::permissions(rig.dir.file(ProgramFileName())) & QFile::ExeOwner);
    EXPECT_EQ(rig.folderFiles(), QStringList{ProgramFileName()});
    EXPECT_EQ(rig.restarts, 1);
    EXPECT_EQ(rig.upgrader().LastOutcome(), TAutoUpgrader::TOutcome::Installed);

    // Installed once, the same version is no longer news.
    rig.informed.clear();
    ASSERT_TRUE(rig.check());
    EXPECT_EQ(rig.server.requests(kProgramPath), 1);
    EXPECT_EQ(rig.informed.size(), 1);
}

TEST(UpdateCheck, DecliningDownloadsNothingAndNotRestartingKeepsRunning)
{
    Rig rig;
    rig.publish(QStringLiteral("3.26"), "new program");
    rig.server.serve(kProgramPath, "new program");
    rig.answer = [](const QString &) { return false; };
    ASSERT_TRUE(rig.check());
    EXPECT_EQ(rig.server.requests(kProgramPath), 0);
    EXPECT_EQ(rig.programFile(), kOldProgram);

    // Yes to the update, no to the restart.
    rig.answer = [](const QString &q) { return q.startsWith(QStringLiteral("发现新版本")); };
    ASSERT_TRUE(rig.check());
    EXPECT_EQ(rig.programFile(), QByteArray("new program"));
    EXPECT_EQ(rig.restarts, 0);
}

TEST(UpdateCheck, UntrustedUpdatesAreRefusedAndTheProgramIsUntouched)
{
    const QByteArray genuine = "new program 3.26";
    const QByteArray foreignKey = KeyPairFromSeed(RandomSeed()).second;
    struct Case {
        const char *what;
        std::function<void(Rig &)> setUp;
        QString message;
        int programRequests;
    };
    const Case cases[] = {
        {"the file was changed on the way",
         [&](Rig &r) {
             r.publish(QStringLiteral("3.26"), genuine);
             r.server.serve(kProgramPath, QByteArray("evil program 3.26"));
         },
         UpgradeText::Tampered(ProgramFileName()), 1},
        {"a longer file than signed",
         [&](Rig &r) {
             r.publish(QStringLiteral("3.26"), genuine);
             r.server.serve(kProgramPath, genuine + QByteArray(100000, 'x'));
         },
         UpgradeText::Tampered(ProgramFileName()), 1},
        {"a description signed by someone else",
         [&](Rig &r) {
             r.publish(QStringLiteral("3.26"), genuine, foreignKey);
             r.server.serve(kProgramPath, genuine);
         },
         UpgradeText::BadSignature(), 0},
        {"an unsigned description",
         [&](Rig &r) {
             TUpdateDescription d;
             d.Application = kTitle;
             d.Version = QStringLiteral("3.26");
             d.Files.append({ProgramFileName(), genuine.size(), Sha256Of(genuine)});
             r.server.serve(kInfoPath, DescriptionBody(d));
             r.server.serve(kProgramPath, genuine);
         },
         UpgradeText::BadSignature(), 0},
        {"a signed description of another program",
         [&](Rig &r) {
             TUpdateDescription d;
             d.Application = QStringLiteral("别的程序");
             d.Version = QStringLiteral("3.26");
             d.Files.append({ProgramFileName(), genuine.size(), Sha256Of(genuine)});
             r.server.serve(kInfoPath, SignDescription(DescriptionBody(d), r.sk));
             r.server.serve(kProgramPath, genuine);
         },
         UpgradeText::WrongApplication(), 0},
    };
    for (const Case &c : cases) {
        Rig rig;
        c.setUp(rig);
        ASSERT_TRUE(rig.check()) << c.what;
        EXPECT_EQ(rig.informed, QStringList{QStringLiteral("程序更新|") + c.message}) << c.what;
        EXPECT_EQ(rig.server.requests(kProgramPath), c.programRequests) << c.what;
        EXPECT_EQ(rig.programFile(), kOldProgram) << c.what;
        EXPECT_EQ(rig.folderFiles(), QStringList{ProgramFileName()}) << c.what;
        EXPECT_EQ(rig.restarts, 0) << c.what;
    }
}

TEST(UpdateCheck, NetworkFailuresGetTheirOwnMessages)
{
    {
        Rig rig;
        rig.upgrader().InfoFileURL = QUrl(QStringLiteral("http://127.0.0.1:%1/corvinaupdate/AutoUpdater.inf").arg(ClosedPort()));
        ASSERT_TRUE(rig.check());
        EXPECT_EQ(rig.informed, QStringList{QStringLiteral("程序更新|") + UpgradeText::HostUnreachable()});
    }
    {
        Rig rig;
        const QByteArray program = QByteArray("new program ").repeated(20000);
        rig.publish(QStringLiteral("3.26"), program);
        rig.server.serveBroken(kProgramPath, program);
        ASSERT_TRUE(rig.check());
        EXPECT_EQ(rig.informed, QStringList{QStringLiteral("程序更新|") + UpgradeText::ConnectionLost()});
        EXPECT_EQ(rig.programFile(), kOldProgram);
        EXPECT_EQ(rig.folderFiles(), QStringList{ProgramFileName()});
    }
}

TEST(UpdateCheck, CancellingTheDownloadLeavesTheProgramAsItWas)
{
    Rig rig;
    const QByteArray program = QByteArray("new program ").repeated(20000);
    rig.publish(QStringLiteral("3.26"), program);
    rig.server.serveStalled(kProgramPath, program);
    rig.ctx.CheckUpdate();
    QElapsedTimer t;
    t.start();
    bool cancelled = false;
    while (rig.upgrader().Busy() && t.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        QProgressDialog *p = rig.info->Dialogs().progressDialog();
        if (p && !cancelled && p->isVisible() && p->value() > 0) { // half the file has arrived
            EXPECT_EQ(p->windowTitle(), QStringLiteral("程序更新"));
            EXPECT_EQ(p->labelText(), UpgradeText::Downloading(ProgramFileName()));
            QPushButton *cancelButton = p->findChild<QPushButton *>();
            ASSERT_TRUE(cancelButton);
            EXPECT_EQ(cancelButton->text(), QStringLiteral("取消"));
            cancelButton->click();
            cancelled = true;
        }
    }
    ASSERT_TRUE(cancelled);
    ASSERT_FALSE(rig.upgrader().Busy());
    EXPECT_EQ(rig.upgrader().LastOutcome(), TAutoUpgrader::TOutcome::Cancelled);
    EXPECT_TRUE(rig.informed.isEmpty());
    EXPECT_EQ(rig.programFile(), kOldProgram);
    EXPECT_EQ(rig.folderFiles(), QStringList{ProgramFileName()});
    EXPECT_EQ(rig.info->Dialogs().progressDialog(), nullptr);
}

TEST(UpdateCheck, AnOversizedDescriptionIsNotReadToTheEnd)
{
    Rig rig;
    rig.server.serveStalled(kInfoPath, QByteArray(4 * 1024 * 1024, ';'));
    ASSERT_TRUE(rig.check());
    EXPECT_EQ(rig.informed, QStringList{QStringLiteral("程序更新|") + UpgradeText::Malformed()});
    EXPECT_EQ(rig.upgrader().LastOutcome(), TAutoUpgrader::TOutcome::Refused);
}

TEST(UpdateCheck, ASecondCheckWhileBusyIsIgnored)
{
    Rig rig;
    rig.publish(QStringLiteral("3.26"), "new program");
    rig.server.serve(kProgramPath, "new program");
    // Chosen again while the question is open, and twice in a row before the server answered.
    rig.answer = [&rig](const QString &) {
        rig.ctx.CheckUpdate();
        return false;
    };
    rig.ctx.CheckUpdate();
    EXPECT_TRUE(rig.upgrader().Busy());
    rig.ctx.CheckUpdate();
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_EQ(rig.server.requests(kInfoPath), 1);
    EXPECT_EQ(rig.asked.size(), 1);
    // Once it has ended, the next choice checks again.
    ASSERT_TRUE(rig.check());
    EXPECT_EQ(rig.server.requests(kInfoPath), 2);
}

TEST(UpdateCheck, RunsAtTheFirstShowOnlyOnTheFirstOfAMonth)
{
    const struct {
        QDate today;
        int checks;
    } cases[] = {{QDate(2026, 12, 1), 1}, {QDate(2026, 12, 2), 0}, {QDate(2027, 1, 31), 0}, {QDate(2027, 2, 1), 1}};
    for (const auto &c : cases) {
        Rig rig;
        rig.publish(QStringLiteral("3.25"), "same");
        rig.clock.set(QDateTime(c.today, QTime(9, 30)));
        TDataModule1 dm;
        TActiveTaskList list;
        rig.ctx.data = &dm;
        rig.ctx.activeList = &list;
        TMainForm form(rig.ctx);
        form.show();
        ASSERT_TRUE(rig.waitIdle());
        // Later shows (back from the tray) never check.
        form.hide();
        form.show();
        ASSERT_TRUE(rig.waitIdle());
        EXPECT_EQ(rig.server.requests(kInfoPath), c.checks) << c.today.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(rig.informed.size(), c.checks);
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
