#include "core/calendar/month_layout.h"

MonthLayout LayOutMonth(DatePair date, CalendarKind kind) {
  MonthLayout layout;
  DatePair cursor = date;
  cursor.FirstOfMonth(kind);
  layout.first = cursor;
  layout.lead = cursor.Weekday();
  const CalendarKind other = OtherKind(kind);
  while (cursor.Month(kind) == date.Month(kind) && layout.count < 31) {
    layout.days[layout.count++] = {cursor.Day(kind), cursor.Day(other), cursor.Weekday(), cursor.SameDay(date)};
    cursor.NextDay();
  }
  layout.after = cursor;
  return layout;
}
