#include "core/calendar/date_pair.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

DatePair::DatePair(int year, int month, int day, CalendarKind kind) {
  dates[kind] = CalendarDate(year, month, day, kind);
  ConvertOther(kind);
}

DatePair DatePair::OfDay(int dayNumber) {
  DatePair pair;
  pair.dates[Gregorian].SetFromDayNumber(dayNumber, Gregorian);
  pair.ConvertOther(Gregorian);
  return pair;
}

void DatePair::ConvertOther(CalendarKind kind) {
  const CalendarKind other = OtherKind(kind);
  dates[other].SetFromDayNumber(dates[kind].dayNumber, other);
}

void DatePair::SetYear(CalendarKind kind, int year) {
  CalendarDate& date = dates[kind];
  date.year = static_cast<std::int16_t>(year);
  date.ClampDay();
  date.ComputeDayNumber();
  date.ComputeWeekday();
  ConvertOther(kind);
}

void DatePair::SetMonth(CalendarKind kind, int month) {
  CalendarDate& date = dates[kind];
  date.month = static_cast<std::int8_t>(month);
  date.ClampDay();
  date.ComputeDayNumber();
  date.ComputeWeekday();
  ConvertOther(kind);
}

void DatePair::NextYear(CalendarKind kind) {
  dates[kind].NextYear();
  ConvertOther(kind);
}

void DatePair::PrevYear(CalendarKind kind) {
  dates[kind].PrevYear();
  ConvertOther(kind);
}

void DatePair::NextMonth(CalendarKind kind) {
  dates[kind].NextMonth();
  ConvertOther(kind);
}

void DatePair::PrevMonth(CalendarKind kind) {
  dates[kind].PrevMonth();
  ConvertOther(kind);
}

void DatePair::FirstOfMonth(CalendarKind kind) {
  dates[kind].FirstOfMonth();
  ConvertOther(kind);
}

void DatePair::NextDay() {
  dates[Gregorian].NextDay();
  dates[Ethiopian].NextDay();
}

void DatePair::PrevDay() {
  dates[Gregorian].PrevDay();
  dates[Ethiopian].PrevDay();
}

void DatePair::SetToday(std::FILE* report) {
  CalendarDate& today = dates[Gregorian];
  today.SetToday(report);
  // A clock outside the span (a dead battery, a mistyped year) gives the
  // span's nearest day, from which every step works.
  const int nearest = std::clamp<int>(today.dayNumber, kFirstSpanDay, kLastSpanDay);
  if (nearest != today.dayNumber) today.SetFromDayNumber(nearest, Gregorian);
  ConvertOther(Gregorian);
}

bool DatePair::Parse(const char* text, CalendarKind kind) {
  if (dates[kind].ParseText(text, kind) == ReadOutcome::kNoDate) return false;
  // A day past the month's end (or day 0) is counted on; both readings then
  // name that day, so the pair steps like any other.
  dates[kind].SetFromDayNumber(dates[kind].dayNumber, kind);
  ConvertOther(kind);
  return true;
}

std::string DatePair::Text() const { return dates[Gregorian].Text() + "\n" + dates[Ethiopian].Text(); }

const char* DatePair::Format() const {
  static char text[256];
  std::snprintf(text, sizeof text, "%s", Text().c_str());
  return text;
}
