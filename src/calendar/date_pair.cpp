#include "calendar/date_pair.h"

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

void DatePair::SetToday() {
  dates[Gregorian].SetToday();
  ConvertOther(Gregorian);
}

bool DatePair::Parse(const char* text, CalendarKind kind) {
  if (dates[kind].ParseText(text, kind) == ReadOutcome::kNoDate) return false;
  ConvertOther(kind);
  return true;
}

const char* DatePair::Format() const {
  static char text[256];
  char firstLine[128];  // a line is at most 48 bytes
  std::snprintf(firstLine, sizeof firstLine, "%s", dates[Gregorian].Format());
  std::snprintf(text, sizeof text, "%s\n%s", firstLine, dates[Ethiopian].Format());
  return text;
}
