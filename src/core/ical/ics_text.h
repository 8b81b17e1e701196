#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/calendar/calendar_date.h"
#include "core/ical/content_line.h"

// The pieces every iCalendar (RFC 5545) file the program writes is made of,
// as text, so that each dates, stamps and names itself alike (lines are
// folded and values escaped by ical/content_line.h): the user's days file,
// the exports of the days' dates and of the holidays.
namespace ics {

// UIDs end in the program's own domain, so they stay apart from other calendars'.
extern const char kUidDomain[];

// A Gregorian date as YYYYMMDD; false, with the reason, past iCalendar's
// four-digit years.
bool DateDigits(const CalendarDate& gregorian, std::string* digits, std::string* why);
// The same for a day number.
bool DateDigits(int32_t dayNumber, std::string* digits, std::string* why);
// An all-day date as NAME;VALUE=DATE:YYYYMMDD; false, with the reason,
// past iCalendar's four-digit years.
bool AddDate(const char* name, const CalendarDate& gregorian, std::string* ics, std::string* why);
// BEGIN:VCALENDAR, the version, the program as PRODID and the Gregorian scale.
void AddHeader(std::string* ics);
void AddFooter(std::string* ics);
// Whether a PRODID is the one AddHeader writes, of whichever version.
bool IsOwnProduct(std::string_view productId);

// The UID of one date of a day or a holiday in an export of dates: the date
// (YYYYMMDD), a dash, then the rest, so that every export of the same date
// repeats it. Whether a UID is one of those for the date of dayNumber.
std::string DatedUid(const CalendarDate& gregorian, std::string_view rest);
bool IsDatedUid(std::string_view uid, int32_t dayNumber);

// A UID for an event that has none, made from its lines but its stamp, which
// another export of the same event renews: the same event gets the same UID
// from every file that holds it, whatever its line ends.
std::string UidOfLines(std::string_view event);

// The Ethiopian date in Ethiopic script (CLDR's spellings, as every surface
// but the exported page writes them) and in Latin letters, for a description.
std::string EthiopianDate(const CalendarDate& ethiopian);

}  // namespace ics
