#pragma once

namespace formula {

struct CivilDate {
    int year;
    int month;
    int day;
};

// Day counts are relative to 1899-12-30, the zero of Date values.
bool IsValidCivilDate(const CivilDate& date);
long DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(long days);

} // namespace formula
