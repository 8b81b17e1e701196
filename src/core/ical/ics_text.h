#pragma once

#include <string>

#include "core/calendar/calendar_date.h"
#include "core/ical/content_line.h"

// The pieces every iCalendar (RFC 5545) file the program exports is written
// from, as text, so that each dates, stamps and names itself alike (lines
// are folded and values escaped by ical/content_line.h).
namespace ics {

// UIDs end in the program's own domain, so they stay apart from other calendars'.
extern const char kUidDomain[];

// An all-day date as NAME;VALUE=DATE:YYYYMMDD; false, with the reason,
// past iCalendar's four-digit years.
bool AddDate(const char* name, const CalendarDate& gregorian, std::string* ics, std::string* why);
// BEGIN:VCALENDAR, the version, the program as PRODID and the Gregorian scale.
void AddHeader(std::string* ics);
// The Ethiopian date in Ethiopic script (CLDR's spellings, as every surface
// but the exported page writes them) and in Latin letters, for a description.
std::string EthiopianDate(const CalendarDate& ethiopian);

}  // namespace ics
