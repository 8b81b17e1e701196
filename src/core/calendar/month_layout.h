#pragma once

#include "core/calendar/date_pair.h"

// What one month looks like on a Sunday-first week: worked out once, then
// painted by the grid or written by the HTML page.
struct MonthDay {
  int baseDay;   // day of the month in the base calendar
  int otherDay;  // the same day's number in the other calendar
  int weekday;   // [0, 6], 0 = Sunday
  bool current;  // the date the layout was made for
};

struct MonthLayout {
  DatePair first;      // the month's first day
  DatePair after;      // the day after its last day
  int lead = 0;        // [0, 6] blank positions before day 1
  int count = 0;       // [5, 31] days in the month
  MonthDay days[31] = {};
};

// The month, in calendar kind, that holds date; date is marked current.
MonthLayout LayOutMonth(DatePair date, CalendarKind kind);
