#pragma once

#include <vector>

#include "core/calendar/holidays.h"
#include "core/church/church_name.h"

// Everything the calendar says of a run of days: holidays, fast and
// commemoration, worked out once for each Ethiopian year the run touches,
// so that a month's grid, page or text asks once rather than day by day.

struct DayFacts {
  int dayNumber;
  int firstHoliday;           // the day's holidays: DaysFacts::holidays[firstHoliday, + holidayCount)
  int holidayCount;
  const ChurchName* fast;           // the fast kept (FastOnDay), or nullptr
  const ChurchName* commemoration;  // the monthly commemoration (CommemorationOfDay), or Pagume's note
};

struct DaysFacts {
  std::vector<Holiday> holidays;  // of all the days, in day order
  std::vector<DayFacts> days;     // one a day, from the first
};

// `count` days (>= 0) from `firstDay`; days outside the calendars' span are left out.
DaysFacts FactsOfDays(int firstDay, int count);
// The facts of one day of the run; nullptr for a day it does not hold.
const DayFacts* FactsOn(const DaysFacts& facts, int dayNumber);
// The holidays of one day of the run, in their year's order; none for a day it does not hold.
std::vector<Holiday> HolidaysIn(const DaysFacts& facts, int dayNumber);
