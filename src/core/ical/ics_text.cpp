#include "core/ical/ics_text.h"

#include <cstdio>

#include "core/calendar/date_names.h"
#include "core/identity/program_identity.h"
#include "core/locale/language_names.h"

namespace ics {

const char kUidDomain[] = "@zelmora.example.org";

namespace {

// An iCalendar date has a four-digit year.
constexpr int kLastYear = 9999;

}  // namespace

bool AddDate(const char* name, const CalendarDate& gregorian, std::string* ics, std::string* why) {
  if (gregorian.year > kLastYear) {
    *why = "iCalendar has no dates after the year 9999, and " + gregorian.NumericText() + " is one";
    return false;
  }
  char text[48];
  std::snprintf(text, sizeof text, "%s;VALUE=DATE:%04d%02d%02d", name, gregorian.year, gregorian.month,
                gregorian.day);
  AddLine(text, ics);
  return true;
}

// A plain snapshot (RFC 5545, 3.7.2): no METHOD, which would ask for an organizer.
void AddHeader(std::string* ics) {
  AddLine("BEGIN:VCALENDAR", ics);
  AddLine("VERSION:2.0", ics);
  AddLine(std::string("PRODID:-//") + kProgramName + "//" + kProgramName + " " + kVersion + "//EN", ics);
  AddLine("CALSCALE:GREGORIAN", ics);
}

std::string EthiopianDate(const CalendarDate& ethiopian) {
  char date[128];
  std::snprintf(date, sizeof date, "%s %d, %d (%s %d, %d)", MonthNameIn(Ethiopian, ethiopian.month, {Language::kAmharic}),
                ethiopian.day, ethiopian.year, MonthName(Ethiopian, ethiopian.month), ethiopian.day,
                ethiopian.year);
  return date;
}

}  // namespace ics
