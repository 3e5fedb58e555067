#include "mainwindow/MainConfig.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(MainConfig, FirstStartWithoutFileGivesEveryDefault)
{
    TestProgramDir dir;
    const TMainVars v = LoadMainVars(dir.path());
    EXPECT_EQ(v.ClockMusicFile, dir.path() + QStringLiteral("Music/defult.wav"));
    EXPECT_EQ(v.OffMusicFile, dir.path() + QStringLiteral("Music/Off.wav"));
    EXPECT_FALSE(v.AutorunOn);
    EXPECT_TRUE(v.ChimeOn);
    EXPECT_TRUE(v.CloseExits);
    EXPECT_EQ(v.StyleName, QStringLiteral("beijing"));
    EXPECT_EQ(v.SkinDir, dir.path() + QStringLiteral("Skin/"));
    EXPECT_EQ(v.SignUpPageUrl, Vendor::Site + QStringLiteral("/do/reg.php"));
    EXPECT_EQ(v.ShowcasePageUrl, Vendor::Site + QStringLiteral("/jpzt"));
    EXPECT_FALSE(v.StartupShown);
}

TEST(MainConfig, FlagsCompareWithZeroExactly)
{
    struct Case {
        const char *value;
        bool on;
    } cases[] = {{"0", true}, {"1", false}, {"", false}, {"00", false}, {"yes", false}, {" 0 ", true}};
    for (const Case &c : cases) {
        TestProgramDir dir;
        const QByteArray v(c.value);
        dir.writeFile(QStringLiteral("Config/MainConfig.ini"),
                      "[System]\nAutorun=" + v + "\nClocktype=" + v + "\nClosetype=" + v + "\n[Music]\nClockMusic=\n"
                      "OffMusic=/x/off.mp3\n[Url]\ncweb=http://c\n");
        const TMainVars vars = LoadMainVars(dir.path());
        EXPECT_EQ(vars.AutorunOn, c.on) << c.value;
        EXPECT_EQ(vars.ChimeOn, c.on) << c.value;
        EXPECT_EQ(vars.CloseExits, c.on) << c.value;
        EXPECT_EQ(vars.ClockMusicFile, dir.path() + QStringLiteral("Music/defult.wav")); // empty = missing
        EXPECT_EQ(vars.OffMusicFile, QStringLiteral("/x/off.mp3"));
        EXPECT_EQ(vars.SecondSiteUrl, QStringLiteral("http://c"));
    }
}
