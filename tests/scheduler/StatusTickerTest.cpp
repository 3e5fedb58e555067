#include "alerts/MediaPlayer.h"
#include "calendar/DateCn.h"
#include "data/DataUnit.h"
#include "scheduler/Countdown.h"
#include "scheduler/StatusTicker.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class RecordingPlayer final : public IMediaPlayer {
public:
    QStringList calls;
    QString file;
    void Close() override { calls << QStringLiteral("Close"); }
    void setFileName(const QString &f) override
    {
        file = f;
        calls << QStringLiteral("File");
    }
    QString FileName() const override { return file; }
    void Open() override { calls << QStringLiteral("Open"); }
    void Play() override { calls << QStringLiteral("Play"); }
    TMPModes Mode() const override { return TMPModes::Stopped; }
};

QDateTime at(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2026, 12, 11), QTime(h, m, s, ms));
}

} // namespace

TEST(DurationText, WritesEveryUnitAndDoesNotWrapAfterFortyNineDays)
{
    struct Case {
        qint64 ms;
        const char16_t *text;
    } cases[] = {
        {0, u"0天0小时0分0秒"},
        {86400000 + 3600000 + 60000 + 1000, u"1天1小时1分1秒"},
        {3600000 - 1, u"0天0小时59分59秒"},
        {999, u"0天0小时0分0秒"},
        {qint64(4294967295), u"49天17小时2分47秒"}, // where a 32-bit count ended
        {qint64(5000000000), u"57天20小时53分20秒"}, // and past it
        {-1000, u"0天0小时0分"},                   // a negative unit is left out
    };
    for (const Case &c : cases)
        EXPECT_EQ(DurationText(c.ms), QString::fromUtf16(c.text)) << c.ms;
    EXPECT_EQ(StatusTicker::UptimeText(qint64(5000000000)), QStringLiteral("系统已运行：57天20小时53分20秒"));
}

TEST(StatusTicker, PanelTexts)
{
    EXPECT_EQ(StatusTicker::NowText(at(8, 5, 9, 700)), QStringLiteral("现在时间:2026-12-11 08:05:09"));
    EXPECT_EQ(StatusTicker::TaskCountText(0), QStringLiteral("最近任务数量:0 个"));
    EXPECT_EQ(StatusTicker::TaskCountText(1000), QStringLiteral("最近任务数量:1000 个"));
}

TEST(HourlyChime, PicksTheHoursFileOnlyAtTheFullHourAndOnlyWhenOn)
{
    const QString dir = QStringLiteral("/p/");
    struct Case {
        QDateTime now;
        bool on;
        const char *file;
    } cases[] = {
        {at(9, 0, 0), true, "/p/Music/Time/9.mp3"},
        {at(9, 0, 0, 999), true, "/p/Music/Time/9.mp3"},
        {at(0, 0, 0), true, "/p/Music/Time/0.mp3"},
        {at(23, 0, 0), true, "/p/Music/Time/23.mp3"},
        {at(9, 0, 1), true, ""},
        {at(9, 1, 0), true, ""},
        {at(8, 59, 59), true, ""},
        {at(9, 0, 0), false, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StatusTicker::ChimeFile(dir, c.now, c.on), QString::fromLatin1(c.file)) << c.now.toString().toStdString();
}

TEST(HourlyChime, PlaysAnExistingFileOnTheChimePlayerAndSkipsAMissingOne)
{
    TestProgramDir dir;
    dir.writeFile(QStringLiteral("Music/Time/9.mp3"), "ID3");
    RecordingPlayer player;
    EXPECT_TRUE(StatusTicker::HourlyChime(&player, dir.path(), at(9, 0, 0), true));
    EXPECT_EQ(player.calls, (QStringList{"Close", "File", "Open", "Play"}));
    EXPECT_EQ(player.file, dir.file(QStringLiteral("Music/Time/9.mp3")));

    player.calls.clear();
    EXPECT_FALSE(StatusTicker::HourlyChime(&player, dir.path(), at(10, 0, 0), true)); // no 10.mp3
    EXPECT_FALSE(StatusTicker::HourlyChime(&player, dir.path(), at(9, 0, 0), false));
    EXPECT_FALSE(StatusTicker::HourlyChime(&player, dir.path(), at(9, 0, 1), true));
    EXPECT_TRUE(player.calls.isEmpty());
    EXPECT_FALSE(StatusTicker::HourlyChime(nullptr, dir.path(), at(9, 0, 0), true));
}

TEST(HourlyChime, EveryHourHasItsFileInTheProgramFolder)
{
    const QString assets = QStringLiteral(CORVINA_ASSETS_DIR) + QLatin1Char('/');
    for (int h = 0; h < 24; ++h) {
        RecordingPlayer player;
        EXPECT_TRUE(StatusTicker::HourlyChime(&player, assets, at(h, 0, 0), true)) << h;
    }
}

namespace {
using Countdown::TCountdownRow;
const QString Solar = QStringLiteral("阳历");
const QString Lunar = QStringLiteral("农历");

// The lunar date text of the test day, and a day whose lunar date text cannot be formed.
QDate unformableLunarDay()
{
    for (QDate d(2026, 1, 1); d.year() == 2026; d = d.addDays(1))
        if (!DateCn::TryLunarDateText(d))
            return d;
    return {};
}
} // namespace

TEST(Countdown, TextsForSolarAndLunarOnceAndDailyRows)
{
    const QDateTime now = at(8, 0, 0);
    const auto lunarToday = DateCn::TryLunarDateText(now.date());
    ASSERT_TRUE(lunarToday);
    ASSERT_EQ(*lunarToday, QStringLiteral("2026-11-03"));
    struct Case {
        TCountdownRow row;
        std::optional<QString> text;
    } cases[] = {
        // once, solar
        {{"2026-12-12 10:03:04", Solar, "1", "10:03:04"}, "1天2:3:4"},
        {{"2026-12-11 08:01:00", Solar, "1", "08:01:00"}, "0天0:1:0"},
        {{"2027-12-11 08:00:01", Solar, "1", "08:00:01"}, "365天0:0:1"},
        {{"2026-12-11 08:00:00", Solar, "1", "08:00:00"}, "已经完成"},
        {{"2026-01-01 00:00:00", Solar, "1", "00:00:00"}, "已经完成"},
        // daily, either calendar
        {{"每天 18:30:15", Solar, "3", "18:30:15"}, "10:30:15"},
        {{"每天 08:00:01", Lunar, "3", "08:00:01"}, "00:00:01"},
        {{"每天 08:00:00", Solar, "3", "08:00:00"}, "已经完成"},
        {{"每天 07:59:59", Lunar, "3", "07:59:59"}, "已经完成"},
        // once, lunar: counted from today's lunar date at the time of day
        {{"2026-11-04 09:00:00", Lunar, "1", "09:00:00"}, "1天1:0:0"},
        {{"2026-11-03 08:00:00", Lunar, "1", "08:00:00"}, "已经完成"},
        {{"2026-12-12 10:03:04", Lunar, "1", "10:03:04"}, "39天2:3:4"},
        // rows this column does not count keep their text
        {{"每小时 00:00", Solar, "2", "08:00:00"}, std::nullopt},
        {{"2026-12-12 10:03:04", Solar, "", "10:03:04"}, std::nullopt},
        {{"2026-12-12 10:03:04", QStringLiteral("公历"), "1", "10:03:04"}, std::nullopt},
        // unreadable texts
        {{"2026-12-12", Solar, "1", "10:03:04"}, std::nullopt},
        {{"2026-13-12 10:03:04", Solar, "1", "10:03:04"}, std::nullopt},
        {{"2026-12-12 25:03:04", Lunar, "1", "10:03:04"}, std::nullopt},
        {{"每天 8:00", Solar, "3", "8:00"}, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Countdown::CountdownText(c.row, now), c.text) << c.row.tasktime.toStdString() << " / "
                                                                 << c.row.tasktimetype.toStdString();

    // Parts of a second left are not shown: the last second reads 0.
    const QDateTime late = at(8, 0, 0, 250);
    EXPECT_EQ(Countdown::CountdownText({"2026-12-11 08:01:00", Solar, "1", "08:01:00"}, late), QStringLiteral("0天0:0:59"));
    EXPECT_EQ(Countdown::CountdownText({"每天 08:00:01", Solar, "3", "08:00:01"}, late), QStringLiteral("00:00:00"));
}

TEST(Countdown, LunarOnceRowIsLeftAloneOnADayWithoutALunarDateText)
{
    const QDate day = unformableLunarDay();
    ASSERT_TRUE(day.isValid());
    const QDateTime now(day, QTime(8, 0));
    EXPECT_EQ(Countdown::CountdownText({"2099-01-01 00:00:00", Lunar, "1", "00:00:00"}, now), std::nullopt);
    // solar and daily rows are not affected by the lunar calendar
    EXPECT_EQ(Countdown::CountdownText({"2099-01-01 00:00:00", Solar, "1", "00:00:00"}, now).has_value(), true);
    EXPECT_EQ(Countdown::CountdownText({"每天 09:00:00", Lunar, "3", "09:00:00"}, now), QStringLiteral("01:00:00"));
}

TEST(Countdown, OneUnreadableRowDoesNotStopTheRowsAfterIt)
{
    TestProgramDir dir;
    TDataModule1 dm;
    dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
    dm.ADOConnection1.Open();
    auto add = [&](const QString &title, const QString &tasktime, const QString &calendar, const QString &xh,
                   const QString &time) {
        TestTask t;
        t.kind = QStringLiteral("计时");
        t.title = title;
        t.tasktime = tasktime;
        t.calendar = calendar;
        t.xhtype = xh;
        t.time = time;
        InsertTestTask(dm, t);
    };
    // the tab lists newest first
    add("a", "2026-12-12 10:03:04", Solar, "1", "10:03:04");
    add("b", "每小时 00:00", Solar, "2", "08:00:00");
    add("c", "不是时间", Solar, "1", "08:00:00");
    add("d", "每天 09:00:00", Lunar, "3", "09:00:00");
    dm.ADOTime.SetSQL(Statements::TabList(0, 4));
    dm.ADOTime.Open();
    ASSERT_EQ(dm.ADOTime.RecordCount(), 4);

    const auto texts = Countdown::CountdownTexts(dm.ADOTime, at(8, 0, 0));
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0].row, 0);
    EXPECT_EQ(texts[0].text, QStringLiteral("01:00:00"));
    EXPECT_EQ(texts[1].row, 3);
    EXPECT_EQ(texts[1].text, QStringLiteral("1天2:3:4"));

    dm.ADOTime.Close();
    EXPECT_TRUE(Countdown::CountdownTexts(dm.ADOTime, at(8, 0, 0)).isEmpty());
}
