#include "formula/DateCalc.h"

namespace formula {
namespace {

constexpr long DaysFrom1970To1899_12_30 = -25569;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

} // namespace

bool IsValidCivilDate(const CivilDate& date)
{
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

// The days-from-civil algorithm of the proleptic Gregorian calendar, shifted to our zero.
long DaysFromCivil(const CivilDate& date)
{
    const long y = date.year - (date.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long mp = (date.month + 9) % 12;
    const long doy = (153 * mp + 2) / 5 + date.day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 - DaysFrom1970To1899_12_30;
}

CivilDate CivilFromDays(long days)
{
    const long z = days + DaysFrom1970To1899_12_30 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

} // namespace formula
