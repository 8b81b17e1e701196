#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "core/calendar/calendar_kind.h"
#include "core/calendar/day_number_forms.h"

// Day number: a signed count of days shared by both calendars.
// Day 1 is Saturday 1 January 1600 (Gregorian); day number = JDN - 2,305,447.

// The first year of the running sums, Gregorian and Ethiopian.
extern const PerKind<int> kFirstYear;
// Meskerem 1, 1600 (Ethiopian) falls on day 2809.
constexpr int kEthiopianOffset = 2808;
// Row kind * 2 + leap; entry m - 1 = days before month m, entry 13 = year length.
extern const int kDaysBeforeMonth[4][14];
// Indexed by month number; index 0 is no month.
extern const int kGregorianMonthLengths[13];

// The span in which every conversion is exact: Meskerem 1 of Ethiopian year 1
// (27 August 8, proleptic Gregorian) through the last day of Ethiopian 9999
// (10 November 10007).
constexpr int kFirstSpanDay = -581226;
constexpr int kLastSpanDay = 3070908;
// The Gregorian years the span reaches into.
constexpr int kFirstSpanYear = 8;
constexpr int kLastSpanYear = 10007;
// The last year written with four digits: iCalendar's dates, the year box,
// the holidays' tables.
constexpr int kLastFourDigitYear = 9999;

// How a text entry went: not a date at all (nothing was changed), a day past
// its month's end (read and computed, counted on into the next month), or a
// proper date.
enum class ReadOutcome { kNoDate, kPastMonthEnd, kAccepted };

// One date in one calendar. A plain value; the default is no valid date.
struct CalendarDate {
  std::int32_t dayNumber = 0;
  std::int16_t year = 0;
  std::int8_t month = 0;    // [1, 12] Gregorian, [1, 13] Ethiopian (13 = Pagume)
  std::int8_t day = 0;      // [1, DaysInMonth()]
  std::int8_t weekday = 0;  // [0, 6], 0 = Sunday in both calendars
  CalendarKind kind = Gregorian;

  CalendarDate() = default;
  // month in [1, LastMonth(kind)]
  CalendarDate(int year, int month, int day, CalendarKind kind);

  static int IsLeapYear(int year, CalendarKind kind);
  static int DaysInYear(int year, CalendarKind kind);
  // Sum of DaysInYear over [firstYear, lastYear]; 0 when lastYear < firstYear.
  static int DaysInYears(int firstYear, int lastYear, CalendarKind kind);
  static int LastMonth(CalendarKind kind) { return kind == Gregorian ? 12 : 13; }
  static bool InSpan(long long dayNumber) {
    return dayNumber >= kFirstSpanDay && dayNumber <= kLastSpanDay;
  }

  int DaysInMonth() const;
  int ComputeDayNumber();
  int ComputeWeekday();

  // dayOfYear in [1, DaysInYear]; month in [1, 13], day in [1, 31]
  static void SplitDayOfYear(int dayOfYear, int leap, int& month, int& day, CalendarKind kind);
  static void SplitDayNumber(int dayNumber, int& year, int& month, int& day, CalendarKind kind);
  int SetFromDayNumber(int dayNumber, CalendarKind kind);
  void SetFromTm(const std::tm& time);
  // Today's local date; "Today is" and the time go to report, when given.
  CalendarDate& SetToday(std::FILE* report = stdout);

  void FirstOfMonth();
  CalendarDate& NextDay();
  CalendarDate& PrevDay();
  // Month and year steps keep the day, cut back to the target month's length.
  int NextMonth();
  int PrevMonth();
  int NextYear();
  int PrevYear();
  // Cuts a day past the month's end back to its last day.
  void ClampDay();

  static int DaysBetween(CalendarDate from, CalendarDate to) { return to.dayNumber - from.dayNumber; }
  bool SameDay(CalendarDate other) const {
    return year == other.year && month == other.month && day == other.day;
  }

  // Text forms; each returns a static buffer that its next call overwrites.
  const char* Format() const;
  const char* FormatNumeric() const;
  // The same texts, each the caller's own.
  std::string Text() const;
  std::string NumericText() const;
  // Reads "year/month/day"; 1 when accepted, 0 when not.
  int Parse(const char* text, CalendarKind kind);
  ReadOutcome ParseText(const char* text, CalendarKind kind);
  // As ParseText, without the "Input error!" line.
  ReadOutcome ReadText(const char* text, CalendarKind kind);
  // Asks for a kind and a date on the console; 1 when accepted, 0 when not.
  int ReadFromConsole(std::FILE* in = stdin, std::FILE* out = stdout);

 private:
  // Day number of the day before the first day of the year.
  static long long YearStart(int year, CalendarKind kind);
  // A month past the year's end counts on into the next year, by the table.
  int DayNumberByTable();
  int Recompute();
  ReadOutcome Accept(long long kindRead, long long yearRead, long long monthRead, long long dayRead);
  // Writes "Input error!" on out for a day past its month's end.
  static ReadOutcome Report(ReadOutcome outcome, std::FILE* out);
};

// The conversions every step, page and command makes, inline, so that a loop
// over days makes no call into the library for them.

// Closed forms for the months that exist; the table for a month past the
// year's end.
inline int CalendarDate::ComputeDayNumber() {
  if (month < 1 || month > LastMonth(kind)) return DayNumberByTable();
  dayNumber = static_cast<std::int32_t>(kind == Gregorian ? day_forms::GregorianDayNumber(year, month, day)
                                                          : day_forms::EthiopianDayNumber(year, month, day));
  return dayNumber;
}

inline int CalendarDate::ComputeWeekday() {
  constexpr int kWeek = 7;
  constexpr int kSaturdayLessOne = 5;
  // Day 1 is a Saturday; a remainder in [-6, 6], made positive.
  weekday = static_cast<std::int8_t>((dayNumber % kWeek + kWeek + kSaturdayLessOne) % kWeek);
  return weekday;
}

inline void CalendarDate::SplitDayNumber(int dayNumber, int& y, int& m, int& d, CalendarKind k) {
  if (k == Gregorian) {
    day_forms::SplitGregorian(dayNumber, y, m, d);
  } else {
    day_forms::SplitEthiopian(dayNumber, y, m, d);
  }
}

inline int CalendarDate::SetFromDayNumber(int n, CalendarKind k) {
  int y = 0, m = 0, d = 0;
  SplitDayNumber(n, y, m, d, k);
  year = static_cast<std::int16_t>(y);
  month = static_cast<std::int8_t>(m);
  day = static_cast<std::int8_t>(d);
  kind = k;
  dayNumber = n;
  return ComputeWeekday();
}
