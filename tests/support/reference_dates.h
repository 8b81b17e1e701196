#pragma once

// The tests' one set of date helpers: day numbers reckoned here apart from
// the program, by way of the Julian Day Number, and the program's own pair of
// readings of a date given as three numbers.
#include "core/calendar/date_pair.h"

namespace reference {

constexpr int kJdnOfDayZero = 2305447;
constexpr int kFirstEthiopianYear = 1, kLastEthiopianYear = 9999;  // the Ethiopian years of the span

// Day number of a Julian-calendar date (year > 0).
inline int JulianCalendarDay(int year, int month, int day) {
  const int a = (14 - month) / 12, y = year + 4800 - a, m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083 - kJdnOfDayZero;
}

// Day number of a proleptic Gregorian date (year > 0).
inline int GregorianDay(int year, int month, int day) {
  const int a = (14 - month) / 12, y = year + 4800 - a, m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045 - kJdnOfDayZero;
}

// Day number of an Ethiopian date: Meskerem 1 of year 1 is JDN 1724221, twelve
// months of 30 days, and Pagume's sixth day ends the year before each year divisible by 4.
inline int EthiopianDay(int year, int month, int day) {
  return 1724220 + 365 * (year - 1) + year / 4 + 30 * (month - 1) + day - kJdnOfDayZero;
}

// The weekday of a day number, Sunday 0.
inline int WeekdayOf(int dayNumber) { return (dayNumber + kJdnOfDayZero + 1) % 7; }

// The Paschal full moon's distance from 21 March, Julian (Meeus).
inline int PaschalMoon(int year) { return (19 * (year % 19) + 15) % 30; }

// Easter in the Julian calendar by the Alexandrian computus (Meeus).
inline int JulianEaster(int year) {
  const int d = PaschalMoon(year);
  const int e = (2 * (year % 4) + 4 * (year % 7) - d + 34) % 7;
  return JulianCalendarDay(year, (d + e + 114) / 31, (d + e + 114) % 31 + 1);
}

// Ethiopian year Y holds Julian 25 December of Y + 7 and Fasika of Y + 8.
inline int Fasika(int year) { return JulianEaster(year + 8); }
inline int Genna(int year) { return JulianCalendarDay(year + 7, 12, 25); }

}  // namespace reference

// A date as three numbers, read in a calendar named apart.
struct Day {
  int year, month, day;
};

inline DatePair On(Day d, CalendarKind kind) { return DatePair(d.year, d.month, d.day, kind); }
