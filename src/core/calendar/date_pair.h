#pragma once

#include <string>

#include "core/calendar/calendar_date.h"

// The Gregorian and the Ethiopian reading of one day, indexed by kind.
// Every operation but the default constructor leaves both on one day.
struct DatePair {
  PerKind<CalendarDate> dates;

  DatePair() = default;
  DatePair(int year, int month, int day, CalendarKind kind);
  // The pair of one day number.
  static DatePair OfDay(int dayNumber);

  int Year(CalendarKind kind) const { return dates[kind].year; }
  int Month(CalendarKind kind) const { return dates[kind].month; }
  int Day(CalendarKind kind) const { return dates[kind].day; }
  int Weekday() const { return dates[Gregorian].weekday; }
  bool InSpan() const { return CalendarDate::InSpan(dates[Gregorian].dayNumber); }

  // The day is cut back to the target month's length.
  void SetYear(CalendarKind kind, int year);
  // month in [1, LastMonth(kind)]
  void SetMonth(CalendarKind kind, int month);
  void NextYear(CalendarKind kind);
  void PrevYear(CalendarKind kind);
  void NextMonth(CalendarKind kind);
  void PrevMonth(CalendarKind kind);
  void FirstOfMonth(CalendarKind kind);
  void NextDay();
  void PrevDay();
  // Today, or the span's nearest day when the computer's clock lies outside
  // it; the "Today is" line goes to report, when given.
  void SetToday(std::FILE* report = stdout);
  // Reads dates[kind] from "year/month/day" and follows with the other.
  // False when the text names no day (or kind is no calendar), and the pair
  // is then left as it was.
  bool Parse(const char* text, CalendarKind kind);

  static int DaysBetween(DatePair from, DatePair to) {
    return CalendarDate::DaysBetween(from.dates[Gregorian], to.dates[Gregorian]);
  }
  bool SameDay(DatePair other) const {
    return dates[Gregorian].SameDay(other.dates[Gregorian]) && dates[Ethiopian].SameDay(other.dates[Ethiopian]);
  }
  // Two lines, Gregorian first; a static buffer that the next call overwrites.
  const char* Format() const;
  // The same two lines, the caller's own.
  std::string Text() const;

 private:
  void ConvertOther(CalendarKind kind);
};
