#pragma once

#include <string>

#include <vector>

#include "core/calendar/date_pair.h"
#include "core/days/user_day.h"
#include "core/export/holiday_export.h"

// The work behind the Tool menu and the program-wide keys, apart from the
// window that asks for it.

// Tool > Output html: the month on show as a page, saved and opened.
struct PageLists {
  bool holidays, fasts, saints;
  const std::vector<UserDay>* userDays;  // listed under the holidays; none when null
  bool geez = false;  // the Ethiopian days and years in Ge'ez numerals
};
void OutputHtml(DatePair date, CalendarKind base, PageLists lists);
// Tool > Export holidays…: one year's holidays (and fasts), with the
// reminder the user chooses, where the user chooses, as an .ics file.
void ExportHolidays(HolidayExport what);
// Ctrl+Q: each window closes as its close button would close it, so windows
// that free themselves on closing still do.
void CloseEveryWindow();
