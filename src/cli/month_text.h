#pragma once

#include <string>

#include "core/calendar/date_pair.h"
#include "core/locale/language_names.h"

// The month that holds `date`, in calendar `base`, as text in the manner of
// cal(1): a title, weekday headings and a row per week in which every day
// carries its number in both calendars; holidays are listed under the grid and
// marked, days off with '*' and the church's other days with '+'. With `highlight`, `today` (when it falls in the month) is shown in
// reverse video. The names are in `style`'s script, and its Ge'ez numerals
// write the Ethiopian day numbers.
std::string MonthText(DatePair date, CalendarKind base, DatePair today, bool highlight, TextStyle style = {});
