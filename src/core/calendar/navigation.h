#pragma once

#include "core/calendar/date_pair.h"

// How the date on show moves: every button, key, menu item and grid click of
// the window comes down to one of these, applied to the date and the base
// calendar the user sees.

// The years the year box takes, in the base calendar; the forward steps stop
// at the last one.
constexpr int kFirstEntryYear = 1604;
constexpr int kLastEntryYear = kLastFourDigitYear;

enum class Step { kPrevDay, kNextDay, kPrevWeek, kNextWeek, kPrevMonth, kNextMonth, kPrevYear, kNextYear, kToday };

// The date after step in base. A step that would leave the calendars' span,
// a year step forward from kLastEntryYear and a month step forward past its
// twelfth month are dropped: the date comes back as it was. (So Gregorian
// December 9999 still steps on to January 10000, once.) Today is read from
// the clock and lands on the span's nearest day.
DatePair Stepped(DatePair date, CalendarKind base, Step step);

// The date with month ([1, LastMonth(base)]) of its base year, the day cut
// back to that month's length; unchanged when that leaves the span.
DatePair WithMonth(DatePair date, CalendarKind base, int month);

// A year as typed into the year box: decimal digits, perhaps after a '+'.
// -1 for anything else; long runs of digits saturate just above any year.
long ReadEntryYear(const char* text);
constexpr bool IsEntryYear(long year) { return year >= kFirstEntryYear && year <= kLastEntryYear; }
// The date in year of base (IsEntryYear(year)), the day cut back to the
// month's length; unchanged when that leaves the span.
DatePair WithYear(DatePair date, CalendarKind base, int year);

// The day picked in the month on show (base calendar), cut back to the
// month's length.
DatePair WithDay(DatePair date, CalendarKind base, int day);
