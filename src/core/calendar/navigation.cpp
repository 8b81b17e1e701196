#include "core/calendar/navigation.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kDaysInWeek = 7;
constexpr int kLastTwelfthMonth = 12;
constexpr long kAboveAnyYear = 100000;

// A step that would leave the span is dropped.
DatePair InSpanOr(DatePair moved, DatePair date) { return moved.InSpan() ? moved : date; }

DatePair DaysOn(DatePair date, int days) {
  for (; days > 0; --days) date.NextDay();
  for (; days < 0; ++days) date.PrevDay();
  return date;
}

bool MayStepForward(DatePair date, CalendarKind base, Step step) {
  const int year = date.Year(base);
  if (step == Step::kNextYear) return year < kLastEntryYear;
  if (step == Step::kNextMonth) return year < kLastEntryYear || (year == kLastEntryYear && date.Month(base) <= kLastTwelfthMonth);
  return true;
}

DatePair Applied(DatePair date, CalendarKind base, Step step) {
  switch (step) {
    case Step::kPrevDay: return DaysOn(date, -1);
    case Step::kNextDay: return DaysOn(date, 1);
    case Step::kPrevWeek: return DaysOn(date, -kDaysInWeek);
    case Step::kNextWeek: return DaysOn(date, kDaysInWeek);
    case Step::kPrevMonth: date.PrevMonth(base); return date;
    case Step::kNextMonth: date.NextMonth(base); return date;
    case Step::kPrevYear: date.PrevYear(base); return date;
    case Step::kNextYear: date.NextYear(base); return date;
    case Step::kToday: date.SetToday(); return date;
  }
  return date;
}

}  // namespace

DatePair Stepped(DatePair date, CalendarKind base, Step step) {
  if (!MayStepForward(date, base, step)) return date;
  return InSpanOr(Applied(date, base, step), date);
}

DatePair WithMonth(DatePair date, CalendarKind base, int month) {
  DatePair moved = date;
  moved.SetMonth(base, month);
  return InSpanOr(moved, date);
}

long ReadEntryYear(const char* text) {
  if (*text == '+') ++text;
  if (*text == '\0') return -1;
  long year = 0;
  for (; *text; ++text) {
    if (!std::isdigit(static_cast<unsigned char>(*text))) return -1;
    year = std::min(year * 10 + (*text - '0'), kAboveAnyYear);
  }
  return year;
}

DatePair WithYear(DatePair date, CalendarKind base, int year) {
  DatePair moved = date;
  moved.SetYear(base, year);
  return InSpanOr(moved, date);
}

DatePair WithDay(DatePair date, CalendarKind base, int day) {
  const int last = CalendarDate(date.Year(base), date.Month(base), 1, base).DaysInMonth();
  return InSpanOr(DatePair(date.Year(base), date.Month(base), std::min(day, last), base), date);
}
