#pragma once

#include "core/calendar/floor_division.h"

// Day numbers to and from both calendars' fields by closed forms: no loop,
// no table, no guess. The calendar's date type uses them, and the user's
// days' repeats, which work out thousands of dates for a month's marks.
namespace day_forms {

constexpr long long kDaysIn400Years = 146097;
constexpr unsigned kDaysIn100Years = 36524;  // a century whose last year is common
constexpr long long kDaysIn4Years = 1461;
// The day number of Meskerem 1 of Ethiopian year 0, the start of a four-year run.
constexpr long long kEthiopianYearZero = -581591;
// Day number 1 (1 January 1600) counted from 1 March of year 0: from March,
// the leap day ends the year and a month follows from one multiply.
constexpr long long kFromMarchZero = 584327;
constexpr unsigned kMarchMonths = 153;  // days in the five months March to July
constexpr unsigned kMonthsFromMarch = 5;

// Gregorian: whole 400-year eras, then within one (all unsigned, all in
// range) the year of the era, the day of the year and the month.
inline void SplitGregorian(long long dayNumber, int& y, int& m, int& d) {
  const long long z = dayNumber + kFromMarchZero;
  const long long era = FloorDiv(z, kDaysIn400Years);
  const unsigned dayOfEra = static_cast<unsigned>(z - era * kDaysIn400Years);  // [0, 146096]
  const unsigned yearOfEra = (dayOfEra - dayOfEra / (kDaysIn4Years - 1) + dayOfEra / kDaysIn100Years -
                              dayOfEra / (kDaysIn400Years - 1)) /
                             365;                                                     // [0, 399]
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // [0, 365]
  const unsigned monthFromMarch = (kMonthsFromMarch * dayOfYear + 2) / kMarchMonths;          // [0, 11]
  d = static_cast<int>(dayOfYear - (kMarchMonths * monthFromMarch + 2) / kMonthsFromMarch + 1);
  m = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  y = static_cast<int>(yearOfEra + era * 400) + (m <= 2);
}

// Ethiopian: four-year runs from year 0, whose fourth year is the leap year,
// then thirteen months of thirty days, the last of the rest.
inline void SplitEthiopian(long long dayNumber, int& y, int& m, int& d) {
  const long long days = dayNumber - kEthiopianYearZero;
  const long long quads = FloorDiv(days, kDaysIn4Years);
  const unsigned rest = static_cast<unsigned>(days - quads * kDaysIn4Years);  // [0, 1460]
  const unsigned years = rest / 365 - rest / (kDaysIn4Years - 1);              // [0, 3]
  const unsigned dayOfYear = rest - 365 * years;                               // [0, 365]
  y = static_cast<int>(4 * quads + years);
  m = static_cast<int>(dayOfYear / 30 + 1);
  d = static_cast<int>(dayOfYear % 30 + 1);
}

// The day number of a Gregorian date, month in [1, 12]: SplitGregorian undone.
inline long long GregorianDayNumber(int y, int m, int d) {
  const long long yearFromMarch = y - (m <= 2);
  const long long era = FloorDiv(yearFromMarch, 400);
  const unsigned yearOfEra = static_cast<unsigned>(yearFromMarch - era * 400);
  const unsigned monthFromMarch = static_cast<unsigned>(m > 2 ? m - 3 : m + 9);
  const unsigned dayOfYear = (kMarchMonths * monthFromMarch + 2) / kMonthsFromMarch + d - 1;
  const unsigned dayOfEra = 365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kDaysIn400Years + dayOfEra - kFromMarchZero;
}

// The day number of an Ethiopian date, month in [1, 13].
inline long long EthiopianDayNumber(int y, int m, int d) {
  return kEthiopianYearZero + 365LL * y + FloorDiv(y, 4) + 30 * (m - 1) + d - 1;
}

}  // namespace day_forms
