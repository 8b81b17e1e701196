#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/date_argument.h"
#include "cli/output.h"
#include "core/calendar/holidays.h"
#include "core/days/user_day.h"
#include "core/export/holiday_calendar.h"
#include "core/language/language.h"

// The commands' iCalendar files, written a year at a time so that a file of
// thousands of years never lies whole in memory; a file that would reach
// past iCalendar's last year is refused whole, before its first byte.

// One year's events, written to *out a batch at a time, or with no out made
// and dropped (a trial); false, with why, past iCalendar's years.
using YearEvents = std::function<bool(int year, Output* out, std::string* why)>;

// The header, each pass over the years in turn (the holidays, then their
// fasts), and the end. Throws CommandError, nothing written, when a year
// cannot be: the message names the first date that the file would hold
// past the end.
void WriteCalendar(YearRange years, const std::vector<YearEvents>& passes, Output& out);
// The holidays of the years (in their calendar) and with `fasts` the fasting
// periods beginning in them, named in the language asked for, each with the
// reminders asked for.
void WriteHolidayCalendar(YearRange years, CalendarKind kind, bool fasts, const HolidayEventStyle& style, Output& out);
// Every date of the user's days in the years.
void WriteOccurrenceCalendar(const std::vector<UserDay>& days, YearRange years, CalendarKind kind, Output& out);
