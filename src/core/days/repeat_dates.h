#pragma once

#include <cstdint>
#include <optional>

#include "core/calendar/calendar_date.h"

// The dates a repeat lands on in a given year or month, with the choices for
// dates that year or month lacks (days/occurrences.h says why each). By the
// closed forms, inline: a month's marks ask for thousands.
namespace repeat_dates {

constexpr int kPagume = 13;
constexpr int kPagumeLeapDay = 6;
constexpr int kFebruary = 2;
constexpr int kLeapDay = 29;

struct Fields {
  int year = 0, month = 0, day = 0;
};

inline Fields Split(int32_t dayNumber, CalendarKind kind) {
  Fields f;
  CalendarDate::SplitDayNumber(dayNumber, f.year, f.month, f.day, kind);
  return f;
}

// [5, 6]
inline int PagumeLength(int year) { return 5 + CalendarDate::IsLeapYear(year, Ethiopian); }

// Whether the stored yearly rule has to say SKIP=BACKWARD: only Pagume 6 can miss a year.
inline bool NeedsBackward(const Fields& start) { return start.month == kPagume && start.day == kPagumeLeapDay; }

// The start's Ethiopian month and day in year; Pagume 6 moves back to Pagume 5.
inline int32_t EthiopianYearDay(const Fields& start, int year) {
  const int day = start.month == kPagume && start.day > PagumeLength(year) ? PagumeLength(year) : start.day;
  return static_cast<int32_t>(day_forms::EthiopianDayNumber(year, start.month, day));
}

// The start's day of the month in that month, when the month has it.
inline std::optional<int32_t> EthiopianMonthDay(const Fields& start, int year, int month) {
  if (month == kPagume && start.day > PagumeLength(year)) return std::nullopt;
  return static_cast<int32_t>(day_forms::EthiopianDayNumber(year, month, start.day));
}

// The start's Gregorian month and day in year, when the year has it.
inline std::optional<int32_t> GregorianYearDay(const Fields& start, int year) {
  if (start.month == kFebruary && start.day == kLeapDay && !CalendarDate::IsLeapYear(year, Gregorian)) {
    return std::nullopt;
  }
  return static_cast<int32_t>(day_forms::GregorianDayNumber(year, start.month, start.day));
}

}  // namespace repeat_dates
