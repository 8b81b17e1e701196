#pragma once

#include "core/calendar/date_pair.h"

// The dates a command line names. Each throws CommandError when the text names
// no such date, or one outside the calendars' span.

// "year/month/day", read as the main window reads its day-count texts, but a
// day past its month's end (or before its first) is refused.
DatePair ReadDay(const char* text, CalendarKind kind);
// "year/month": the month's first day; the whole month must lie in the span.
DatePair ReadMonth(const char* text, CalendarKind kind);
// A year whose holidays can be listed.
int ReadYear(const char* text, CalendarKind kind);

// Years first to last, both with a day in the span.
struct YearRange {
  int first, last;
};
// "YEAR" or "FROM-TO", FROM no later than TO.
YearRange ReadYears(const char* text, CalendarKind kind);
// The `count` years from `year` on, cut at the span's last year.
YearRange YearsFrom(int year, int count, CalendarKind kind);
// The years an iCalendar file covers: those of the operand, or the current
// year and the next two, so that a calendar imported now holds the coming months.
YearRange CalendarYears(const char* operand, CalendarKind kind);
// The day numbers of the years' first and last days that lie in the span.
void DaysOfYears(YearRange years, CalendarKind kind, int& firstDay, int& lastDay);
// Today as the window has it (the span's nearest day when the clock lies
// outside it), without the "Today is" line.
DatePair Today();
