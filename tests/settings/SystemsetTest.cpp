#include "mainwindow/AppContext.h"
#include "mainwindow/MainConfig.h"
#include "platform/Autostart.h"
#include "settings/SystemSettings.h"
#include "settings/SystemsetUnit.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Every test runs with a temporary config home: the real autostart folder is never touched.
class TemporaryConfigHome : public ::testing::Environment {
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
const auto *const configHome = ::testing::AddGlobalTestEnvironment(new TemporaryConfigHome);

struct Folder {
    TestProgramDir dir;
    TAppContext ctx;
    explicit Folder(const QByteArray &ini = {})
    {
        if (!ini.isNull())
            dir.writeFile(QStringLiteral("Config/MainConfig.ini"), ini);
        ctx.vars = LoadMainVars(dir.path());
    }
    QString key(const char *name) const
    {
        return ReadMainConfig(dir.path(), QStringLiteral("System"), QString::fromLatin1(name), QStringLiteral("<none>"));
    }
};

QString checked(const TSystemsetForm &f)
{
    QString s;
    for (QRadioButton *b : {f.sRadioButton1, f.sRadioButton2, f.sRadioButton3, f.sRadioButton4, f.sRadioButton5,
                            f.sRadioButton6})
        s += b->isChecked() ? QLatin1Char('x') : QLatin1Char('.');
    return s;
}
} // namespace

TEST(SystemsetForm, ShowsTheStoredChoicesOnceAtCreation)
{
    struct Case {
        QByteArray ini;
        const char *shown; // x = selected, for buttons 1..6
    } cases[] = {
        {QByteArray(), ".xx.x."}, // no settings file: no autostart, chime on, close exits
        {"[System]\nAutorun=0\nClocktype=0\nClosetype=0\n", "x.x.x."},
        {"[System]\nAutorun=1\nClocktype=1\nClosetype=1\n", ".x.x.x"},
        {"[system]\nautorun=00\nclocktype=\nclosetype=yes\n", ".x.x.x"}, // only "0" is the first choice
    };
    for (const Case &c : cases) {
        Folder s(c.ini);
        TSystemsetForm form(s.ctx);
        EXPECT_EQ(checked(form), QString::fromLatin1(c.shown)) << c.ini.constData();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("系统设置"));
        EXPECT_EQ(form.size(), QSize(346, 204));
        // later changes of the flags do not reach the buttons
        s.ctx.vars.ChimeOn = !s.ctx.vars.ChimeOn;
        EXPECT_EQ(checked(form), QString::fromLatin1(c.shown));
    }
}

TEST(SystemsetForm, RestoreDefaultsThenOkStoresAutorunOnChimeOnCloseMinimises)
{
    Folder s;
    TSystemsetForm form(s.ctx);
    form.Button3->click();
    EXPECT_EQ(checked(form), QStringLiteral("x.x..x"));
    EXPECT_EQ(s.key("Autorun"), QStringLiteral("<none>")); // nothing stored before 确定
    form.Button1->click();
    EXPECT_EQ(s.key("Autorun"), QStringLiteral("0"));
    EXPECT_EQ(s.key("Clocktype"), QStringLiteral("0"));
    EXPECT_EQ(s.key("Closetype"), QStringLiteral("1"));
    EXPECT_TRUE(s.ctx.vars.ChimeOn);
    EXPECT_FALSE(s.ctx.vars.CloseExits); // the next close hides
    EXPECT_FALSE(s.ctx.vars.AutorunOn);  // read again only at the next start
    EXPECT_TRUE(Autostart::HasEntry());
    EXPECT_EQ(form.result(), QDialog::Accepted);

    // choosing the other three stores "1","1","0" and takes the login entry away
    form.sRadioButton2->setChecked(true);
    form.sRadioButton4->setChecked(true);
    form.sRadioButton5->setChecked(true);
    form.Button1->click();
    EXPECT_EQ(s.key("Autorun"), QStringLiteral("1"));
    EXPECT_EQ(s.key("Clocktype"), QStringLiteral("1"));
    EXPECT_EQ(s.key("Closetype"), QStringLiteral("0"));
    EXPECT_FALSE(s.ctx.vars.ChimeOn);
    EXPECT_TRUE(s.ctx.vars.CloseExits);
    EXPECT_FALSE(Autostart::HasEntry());
    form.Button1->click(); // no entry to remove: still fine
    EXPECT_FALSE(Autostart::HasEntry());
}

TEST(SystemsetForm, CancelStoresNothingAndKeepsTheChoicesShown)
{
    Folder s("[System]\nClosetype=0\n");
    TSystemsetForm form(s.ctx);
    form.Button3->click();
    form.Button2->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(s.key("Autorun"), QStringLiteral("<none>"));
    EXPECT_EQ(s.key("Clocktype"), QStringLiteral("<none>"));
    EXPECT_EQ(s.key("Closetype"), QStringLiteral("0"));
    EXPECT_TRUE(s.ctx.vars.CloseExits);
    EXPECT_FALSE(Autostart::HasEntry());
    EXPECT_EQ(checked(form), QStringLiteral("x.x..x")); // shown so the next time it opens
}

TEST(SystemSettings, TheKeyIsStoredEvenWhenTheLoginEntryCannotBeWritten)
{
    Folder s;
    QTemporaryDir blocked;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    QFile blocker(blocked.path() + QStringLiteral("/autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocked.path().toUtf8());
    SystemSettings::Store(s.ctx.vars, SystemSettings::Defaults());
    qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(s.key("Autorun"), QStringLiteral("0"));
    EXPECT_EQ(s.key("Closetype"), QStringLiteral("1"));
    EXPECT_FALSE(QFileInfo(blocked.path() + QStringLiteral("/autostart")).isDir());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
