#pragma once

// A closed-form reference for the core's conversions, written for the
// benchmark alone: the same day numbers (day 1 = 1 January 1600), fields and
// weekday, over the whole span, by the shortest arithmetic known here. The
// Gregorian half follows Howard Hinnant's days_from_civil / civil_from_days
// ("chrono-Compatible Low-Level Date Algorithms"): years counted from March,
// so the leap day ends the year and the month comes from one multiply.
namespace reference {

struct Fields {
  int year, month, day, weekday;  // weekday 0 = Sunday
};

// Day number 1 is day 584,328 of Hinnant's count from 1 March of year 0.
constexpr long long kFromMarchZero = 584327;
// Meskerem 1 of Ethiopian year 0, as a day number.
constexpr long long kEthiopianYearZero = -581226 - 365;
constexpr long long kDaysIn400Years = 146097;

constexpr int Weekday(long long n) { return static_cast<int>(((n % 7) + 12) % 7); }  // day 1 is a Saturday

constexpr Fields Gregorian(long long n) {
  const long long z = n + kFromMarchZero;
  const long long era = (z >= 0 ? z : z - (kDaysIn400Years - 1)) / kDaysIn400Years;
  const unsigned doe = static_cast<unsigned>(z - era * kDaysIn400Years);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yoe + era * 400) + (month <= 2);
  return {year, month, day, Weekday(n)};
}

constexpr long long FromGregorian(int year, int month, int day) {
  const long long y = year - (month <= 2);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * kDaysIn400Years + doe - kFromMarchZero;
}

// Four-year cycles from year 0, whose fourth year is the leap year; thirteen
// months of thirty days, the last of the rest. Years in the span are positive.
constexpr Fields Ethiopian(long long n) {
  const unsigned days = static_cast<unsigned>(n - kEthiopianYearZero);
  const unsigned rest = days % 1461;
  const unsigned years = rest / 365 - rest / 1460;
  const unsigned doy = rest - 365 * years;
  return {static_cast<int>(days / 1461 * 4 + years), static_cast<int>(doy / 30 + 1), static_cast<int>(doy % 30 + 1),
          Weekday(n)};
}

constexpr long long FromEthiopian(int year, int month, int day) {
  return kEthiopianYearZero + 365LL * year + year / 4 + 30 * (month - 1) + day - 1;
}

}  // namespace reference
