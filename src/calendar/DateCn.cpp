#include "calendar/DateCn.h"

#include <cstdint>
#include <cstdlib>

namespace DateCn {
namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// One record per solar year 1901..2050, read as a 32-bit word with byte 0 on
// top:
//   byte 0  bit 7: lunar month in progress on 1 January is 12 (set) or 11;
//           bits 0-6: its day on 1 January (1..30)
//   byte 1..2  month-length mask, bit 15-k for month k of the sequence
//              (k = 0: the month in progress on 1 January); set = 30 days
//   byte 3  leap month number (0 = none): the month after month L repeats L
// 1989 and 2013 hold corrected month lengths (6th/7th and 4th/5th months).
constexpr std::uint32_t kLunarYearTable[kLastYear - kFirstYear + 1] = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500, 0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, 0x1452BA00, // 1901
    0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500, 0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00, // 1911
    0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404, 0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06, // 1921
    0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00, 0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00, // 1931
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600, 0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, 0x0D5B2A00, // 1941
    0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03, 0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06, // 1951
    0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00, 0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500, // 1961
    0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700, 0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00, // 1971
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500, 0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A55D00, 0x85A4BD05, // 1981
    0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508, 0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00, // 1991
    0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00, 0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600, // 2001
    0x1B6D2A00, 0x885AAA04, 0x14AB5500, 0x81AAD509, 0x0B52EA00, 0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504, // 2011
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06, 0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, 0x1CD6A900, // 2021
    0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700, 0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900, // 2031
    0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00, 0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803, // 2041
};

// Days before each month in a common year; index 12 = year length.
constexpr int kDaysBefore[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

constexpr bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

constexpr int dayOfYear(int y, int m, int d)
{
    return kDaysBefore[m - 1] + d + (m > 2 && isLeapYear(y) ? 1 : 0);
}

// Lunar value for day index n (0 = 1 January) of solar year y, y in range.
int lunarValue(int y, int n)
{
    const std::uint32_t rec = kLunarYearTable[y - kFirstYear];
    const int first = static_cast<int>(rec >> 24);
    const int m0 = (first & 0x80) ? 12 : 11;
    const int b = first & 0x7F;
    const unsigned mask = (rec >> 8) & 0xFFFF;
    const int leap = static_cast<int>(rec & 0xFF);
    auto length = [mask](int k) { return (mask >> (15 - k)) & 1 ? 30 : 29; };

    int acc = length(0) - b;
    if (n <= acc) {
        int month = m0;
        // A leap month may run over the solar new year: ask the last day of
        // the year before (always resolved past its first month, so this
        // recursion is one level deep).
        if (y > kFirstYear && lunarValue(y - 1, isLeapYear(y - 1) ? 365 : 364) < 0)
            month = -m0;
        const int day = b + n;
        return month > 0 ? month * 100 + day : month * 100 - day;
    }

    int month = m0;
    int k = 1;
    for (;;) {
        // Number of month k from the number of month k-1.
        if (month == leap)
            month = -leap;
        else
            month = (month < 0 ? -month : month) % 12 + 1;
        if (acc + length(k) >= n || k == 15)
            break;
        acc += length(k);
        ++k;
    }
    const int day = n - acc;
    return month > 0 ? month * 100 + day : month * 100 - day;
}

struct LunarParts
{
    int year = 0;  // solar year
    int month = 0; // lunar month, leap mark dropped; 0 outside the table
    int day = 0;
};

LunarParts lunarParts(const QDate &date)
{
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    LunarParts p;
    p.year = y;
    if (y < kFirstYear || y > kLastYear)
        return p;
    const int v = std::abs(lunarValue(y, dayOfYear(y, m, d) - 1));
    p.month = v / 100;
    p.day = v % 100;
    return p;
}

// The unpadded "y-m-d" join; empty month/day outside the table, so such a
// text never reads as a date.
QString joinedText(const LunarParts &p)
{
    QString s = QString::number(p.year) + u'-';
    if (p.month)
        s += QString::number(p.month) + u'-' + QString::number(p.day);
    else
        s += u'-';
    return s;
}

void putDigits(QChar *out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = QChar(u'0' + value % 10);
        value /= 10;
    }
}

// "yyyy-MM-dd", or empty when the triple is no Gregorian date.
QString formattedText(const LunarParts &p)
{
    if (p.month == 0 || !QDate::isValid(p.year, p.month, p.day))
        return {};
    QString s(10, u'-');
    QChar *c = s.data();
    putDigits(c, p.year, 4);
    putDigits(c + 5, p.month, 2);
    putDigits(c + 8, p.day, 2);
    return s;
}

} // namespace

int GetDayOfYear(const QDate &date)
{
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    if (m < 1 || m > 12)
        return 0;
    return dayOfYear(y, m, d);
}

int SolarToLunar(const QDate &date)
{
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    if (y < kFirstYear || y > kLastYear)
        return 0;
    return lunarValue(y, dayOfYear(y, m, d) - 1);
}

QString LunarMonthText(const QDate &date)
{
    const LunarParts p = lunarParts(date);
    return p.month ? QString::number(p.month) : QString();
}

QString LunarDayText(const QDate &date)
{
    const LunarParts p = lunarParts(date);
    return p.month ? QString::number(p.day) : QString();
}

QString LunarDateText(const QDate &date)
{
    const LunarParts p = lunarParts(date);
    QString s = formattedText(p);
    if (s.isEmpty())
        throw EConvertError("''" + joinedText(p).toStdString() + "'' is not a valid date");
    return s;
}

std::optional<QString> TryLunarDateText(const QDate &date) noexcept
{
    QString s = formattedText(lunarParts(date));
    if (s.isEmpty())
        return std::nullopt;
    return s;
}

} // namespace DateCn
