#include "platform/Autostart.h"
#include "platform/BootTime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The whole executable runs with a temporary home and config home: nothing here may
// reach the real user's autostart folder.
class TemporaryHome : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        qputenv("HOME", m_dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/config")).toUtf8());
    }

private:
    QTemporaryDir m_dir;
};
const auto *const temporaryHome = ::testing::AddGlobalTestEnvironment(new TemporaryHome);

struct ConfigHome {
    QTemporaryDir dir;
    QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    ConfigHome() { qputenv("XDG_CONFIG_HOME", dir.path().toUtf8()); }
    ~ConfigHome() { qputenv("XDG_CONFIG_HOME", saved); }
    QString entry() const { return dir.path() + QStringLiteral("/autostart/青雀日程助手.desktop"); }
};

QString readText(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

#ifndef Q_OS_WIN
TEST(Autostart, EntryIsWrittenReplacedAndRemovedInTheConfigHome)
{
    ConfigHome home;
    EXPECT_EQ(Autostart::EntryFile(), home.entry());
    EXPECT_FALSE(Autostart::HasEntry());
    EXPECT_TRUE(Autostart::RemoveEntry()); // nothing there: no error

    ASSERT_TRUE(Autostart::SetEntry(QStringLiteral("/opt/corvina/")));
    EXPECT_TRUE(Autostart::HasEntry());
    const QString text = readText(home.entry());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const char *want : {"Type=Application", "Name=青雀日程助手", "Exec=/opt/corvina/CorvinaDesktop",
                             "Icon=/opt/corvina/icons/corvina.png", "X-GNOME-Autostart-enabled=true"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(want))) << want << "\n" << text.toStdString();

    // a second set replaces the first; the program folder may have moved
    ASSERT_TRUE(Autostart::SetEntry(QStringLiteral("/home/u/青雀 日程/")));
    EXPECT_TRUE(readText(home.entry()).split(QLatin1Char('\n'))
                    .contains(QStringLiteral("Exec=\"/home/u/青雀 日程/CorvinaDesktop\"")));
    EXPECT_EQ(QDir(home.dir.path() + QStringLiteral("/autostart")).entryList(QDir::Files).size(), 1);

    EXPECT_TRUE(Autostart::RemoveEntry());
    EXPECT_FALSE(QFileInfo::exists(home.entry()));
    EXPECT_FALSE(Autostart::HasEntry());
}

TEST(Autostart, FallsBackToDotConfigWhenTheConfigHomeIsUnsetOrRelative)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const QString want = QDir::homePath() + QStringLiteral("/.config/autostart/青雀日程助手.desktop");
    ASSERT_TRUE(QDir::homePath().startsWith(QDir::tempPath())); // the temporary home is in place
    for (const QByteArray &value : {QByteArray(), QByteArray("relative/dir")}) {
        if (value.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", value);
        EXPECT_EQ(Autostart::EntryFile(), want) << value.constData();
    }
    qputenv("XDG_CONFIG_HOME", saved);
}

TEST(Autostart, AnUnwritableConfigHomeFailsQuietly)
{
    ConfigHome home;
    // a file where the autostart folder should be
    QFile blocker(home.dir.path() + QStringLiteral("/autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(Autostart::SetEntry(QStringLiteral("/opt/corvina/")));
    EXPECT_FALSE(Autostart::HasEntry());
}

TEST(Autostart, ExecValueQuotesAndEscapesWhatDesktopEntriesReserve)
{
    struct Case {
        const char *path;
        const char *exec;
    } cases[] = {
        {"/opt/corvina/CorvinaDesktop", "/opt/corvina/CorvinaDesktop"},
        {"/opt/my apps/CorvinaDesktop", "\"/opt/my apps/CorvinaDesktop\""},
        {"/opt/a\"b/CorvinaDesktop", "\"/opt/a\\\\\"b/CorvinaDesktop\""},
        {"/opt/$x/CorvinaDesktop", "\"/opt/\\\\$x/CorvinaDesktop\""},
        {"/opt/100%/CorvinaDesktop", "/opt/100%%/CorvinaDesktop"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Autostart::ExecValue(QString::fromUtf8(c.path)), QString::fromUtf8(c.exec)) << c.path;
}

TEST(BootTime, AgreesWithTheKernelsUptime)
{
    QFile f(QStringLiteral("/proc/uptime"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const double uptimeSecs = QString::fromLatin1(f.readAll()).split(QLatin1Char(' ')).value(0).toDouble();
    const qint64 ms = MillisecondsSinceBoot();
    EXPECT_GT(ms, 0);
    EXPECT_NEAR(double(ms) / 1000.0, uptimeSecs, 5.0);
    EXPECT_GE(MillisecondsSinceBoot(), ms); // never runs backwards
}
#endif

TEST(Autostart, StartsTheFixedProgramFileOfTheProgramFolder)
{
#ifdef Q_OS_WIN
    EXPECT_EQ(Autostart::ProgramFile(QStringLiteral("C:/Corvina/")), QStringLiteral("C:\\Corvina\\CorvinaDesktop.exe"));
#else
    EXPECT_EQ(Autostart::ProgramFile(QStringLiteral("/opt/corvina/")), QStringLiteral("/opt/corvina/CorvinaDesktop"));
#endif
}

#ifndef Q_OS_WIN
#include "platform/EndSignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>

TEST(EndSignals, TerminationBecomesAnEndRequestOnTheEventLoop)
{
    EndSignals ends;
    int requests = 0;
    QObject::connect(&ends, &EndSignals::endRequested, [&] { ++requests; });
    ::raise(SIGTERM); // handled: the process goes on
    QElapsedTimer t;
    t.start();
    while (requests == 0 && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(requests, 1);
}
#endif
