#include "calendar/DateCn.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Case
{
    QDate date;
    int lunar;
    const char *text;  // expected LunarDateText, or nullptr when it throws
    const char *error; // expected what() when it throws
};

std::string str(const QString &s) { return s.toStdString(); }

TEST(DateCn, KnownDates)
{
    const std::vector<Case> cases = {
        {QDate(1900, 12, 31), 0, nullptr, "''1900--'' is not a valid date"},
        {QDate(1901, 1, 1), 1111, "1901-11-11", nullptr},
        {QDate(1901, 2, 19), 101, "1901-01-01", nullptr},
        {QDate(2011, 2, 2), 1230, "2011-12-30", nullptr},
        {QDate(2011, 2, 3), 101, "2011-01-01", nullptr},
        {QDate(2011, 11, 13), 1018, "2011-10-18", nullptr},
        {QDate(2012, 1, 10), 1217, "2012-12-17", nullptr}, // solar year, not the lunar one
        {QDate(2012, 1, 22), 1229, "2012-12-29", nullptr},
        {QDate(2012, 1, 23), 101, "2012-01-01", nullptr},
        {QDate(2023, 3, 22), -201, "2023-02-01", nullptr},    // leap 2nd month begins
        {QDate(2020, 5, 23), -401, "2020-04-01", nullptr},    // leap 4th month begins
        {QDate(2033, 12, 22), -1101, "2033-11-01", nullptr},  // leap 11th month begins
        {QDate(2034, 1, 1), -1111, "2034-11-11", nullptr},    // leap month runs over new year
        {QDate(2050, 12, 31), 1118, "2050-11-18", nullptr},
        {QDate(2051, 1, 1), 0, nullptr, "''2051--'' is not a valid date"},
        {QDate(2010, 4, 13), 229, nullptr, "''2010-2-29'' is not a valid date"},
        {QDate(2014, 3, 30), 230, nullptr, "''2014-2-30'' is not a valid date"},
        {QDate(2024, 3, 9), 129, "2024-01-29", nullptr},
        {QDate(2024, 4, 7), 229, "2024-02-29", nullptr}, // 2024 is a leap year
        {QDate(2024, 4, 8), 230, nullptr, "''2024-2-30'' is not a valid date"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(str(c.date.toString(Qt::ISODate)));
        EXPECT_EQ(DateCn::SolarToLunar(c.date), c.lunar);
        const std::optional<QString> tried = DateCn::TryLunarDateText(c.date);
        if (c.text) {
            EXPECT_EQ(str(DateCn::LunarDateText(c.date)), c.text);
            ASSERT_TRUE(tried.has_value());
            EXPECT_EQ(str(*tried), c.text);
        } else {
            try {
                DateCn::LunarDateText(c.date);
                ADD_FAILURE() << "no EConvertError";
            } catch (const EConvertError &e) {
                EXPECT_STREQ(e.what(), c.error);
            }
            EXPECT_FALSE(tried.has_value());
        }
        const int a = std::abs(c.lunar);
        EXPECT_EQ(str(DateCn::LunarMonthText(c.date)), a ? std::to_string(a / 100) : "");
        EXPECT_EQ(str(DateCn::LunarDayText(c.date)), a ? std::to_string(a % 100) : "");
    }
}

// Every day is the previous one plus one, or day 1 of the month that follows
// in the lunar sequence; months last 29 or 30 days.
TEST(DateCn, DayByDayContinuity)
{
    int prev = DateCn::SolarToLunar(QDate(1901, 1, 1));
    std::vector<int> leapYears;
    for (QDate d(1901, 1, 2); d <= QDate(2050, 12, 31); d = d.addDays(1)) {
        const int v = DateCn::SolarToLunar(d);
        SCOPED_TRACE(str(d.toString(Qt::ISODate)) + " " + std::to_string(prev) + " -> "
                     + std::to_string(v));
        ASSERT_NE(v, 0);
        const int pm = prev / 100, pd = std::abs(prev) % 100;
        const int m = v / 100, day = std::abs(v) % 100;
        if (m == pm) {
            ASSERT_EQ(day, pd + 1);
            ASSERT_LE(day, 30);
        } else {
            ASSERT_EQ(day, 1);
            ASSERT_TRUE(pd == 29 || pd == 30);
            const int next = std::abs(pm) % 12 + 1;
            if (m < 0) {
                ASSERT_EQ(m, -pm); // a leap month repeats the month before
                leapYears.push_back(d.year());
            } else {
                ASSERT_EQ(m, next);
            }
        }
        prev = v;
    }
    ASSERT_FALSE(leapYears.empty());
    for (std::size_t i = 1; i < leapYears.size(); ++i)
        EXPECT_GE(leapYears[i] - leapYears[i - 1], 2) << leapYears[i]; // never two a year apart
}

TEST(DateCn, LunarNewYears)
{
    const QDate newYears[] = {
        {1901, 2, 19}, {1912, 2, 18}, {1949, 1, 29}, {1976, 1, 31}, {2000, 2, 5},
        {2008, 2, 7},  {2011, 2, 3},  {2012, 1, 23}, {2020, 1, 25}, {2023, 1, 22},
        {2024, 2, 10}, {2025, 1, 29},
    };
    for (const QDate &ny : newYears) {
        SCOPED_TRACE(str(ny.toString(Qt::ISODate)));
        EXPECT_EQ(DateCn::SolarToLunar(ny), 101);
        EXPECT_EQ(DateCn::SolarToLunar(ny.addDays(-1)) / 100, 12);
        int firsts = 0;
        for (QDate d(ny.year(), 1, 1); d.year() == ny.year(); d = d.addDays(1))
            firsts += DateCn::SolarToLunar(d) == 101;
        EXPECT_EQ(firsts, 1);
    }
}

// Month lengths of 1989 (6th: 30, 7th: 29) and 2013 (4th: 29, 5th: 30).
TEST(DateCn, CorrectedMonthLengths)
{
    const std::vector<std::pair<QDate, int>> cases = {
        {QDate(1989, 7, 2), 529},  {QDate(1989, 7, 3), 601},  {QDate(1989, 8, 1), 630},
        {QDate(1989, 8, 2), 701},  {QDate(1989, 8, 30), 729}, {QDate(1989, 8, 31), 801},
        {QDate(2013, 5, 9), 330},  {QDate(2013, 5, 10), 401}, {QDate(2013, 6, 7), 429},
        {QDate(2013, 6, 8), 501},  {QDate(2013, 7, 7), 530},  {QDate(2013, 7, 8), 601},
    };
    for (const auto &[date, lunar] : cases) {
        SCOPED_TRACE(str(date.toString(Qt::ISODate)));
        EXPECT_EQ(DateCn::SolarToLunar(date), lunar);
    }
    EXPECT_EQ(str(DateCn::LunarDateText(QDate(1989, 8, 1))), "1989-06-30");
    EXPECT_EQ(str(DateCn::LunarDateText(QDate(2013, 6, 8))), "2013-05-01");
}

TEST(DateCn, GetDayOfYear)
{
    const std::vector<std::pair<QDate, int>> cases = {
        {QDate(2000, 1, 1), 1},    {QDate(2000, 2, 29), 60},   {QDate(2000, 3, 1), 61},
        {QDate(2000, 12, 31), 366}, {QDate(1900, 3, 1), 60},   {QDate(1900, 12, 31), 365},
        {QDate(2024, 3, 1), 61},   {QDate(2024, 12, 31), 366}, {QDate(2023, 3, 1), 60},
        {QDate(2023, 12, 31), 365},
    };
    for (const auto &[date, n] : cases)
        EXPECT_EQ(DateCn::GetDayOfYear(date), n) << str(date.toString(Qt::ISODate));
    for (QDate d(1896, 1, 1); d <= QDate(2104, 12, 31); d = d.addDays(1))
        ASSERT_EQ(DateCn::GetDayOfYear(d), d.dayOfYear()) << str(d.toString(Qt::ISODate));
}

} // namespace
