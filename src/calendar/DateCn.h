#pragma once
#include <QDate>
#include <QString>
#include <optional>
#include <stdexcept>

// Date conversion error; what() is e.g. "''2014-2-30'' is not a valid date"
class EConvertError : public std::runtime_error { public: using std::runtime_error::runtime_error; };

// Chinese lunar calendar for the solar years 1901..2050, from a fixed table.
// Pure functions, no state.
namespace DateCn {

// Gregorian day of the year, 1 on 1 January.
int GetDayOfYear(const QDate &date);

// Lunar month*100 + day; negative inside a leap month (month = the number it
// repeats); 0 when the solar year lies outside 1901..2050.
int SolarToLunar(const QDate &date);

// Lunar month number as unpadded text (leap mark dropped); "" outside 1901..2050.
QString LunarMonthText(const QDate &date);

// Lunar day number as unpadded text; "" outside 1901..2050.
QString LunarDayText(const QDate &date);

// "yyyy-MM-dd": solar year, lunar month, lunar day. Throws EConvertError when
// that triple is not a valid Gregorian date (lunar 2-30, or 2-29 in a
// non-leap solar year) and outside 1901..2050.
QString LunarDateText(const QDate &date);

// As LunarDateText, but an empty optional instead of the exception.
std::optional<QString> TryLunarDateText(const QDate &date) noexcept;

} // namespace DateCn
