#pragma once

#include <string>

#include "calendar/calendar_kind.h"

// Tool > Export holidays: one year's holidays, in the base calendar's year,
// as an iCalendar file.

// The name offered for it: "zelmora-holidays-YEAR.ics" for an Ethiopian
// year, "zelmora-holidays-YEAR-gregorian.ics" for a Gregorian one.
std::string HolidayFileName(int year, CalendarKind kind);
// Writes the file at path, replacing it whole or leaving it as it was; false
// with one sentence for the user in *why.
bool SaveHolidayCalendar(int year, CalendarKind kind, const std::string& path, std::string* why);
