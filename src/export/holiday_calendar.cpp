#include "export/holiday_calendar.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "calendar/clock_source.h"
#include "calendar/date_names.h"
#include "calendar/date_pair.h"
#include "ical/content_line.h"
#include "identity/program_identity.h"

namespace {

// UIDs end in the program's own domain, so they stay apart from other calendars'.
const char kUidDomain[] = "@zelmora.example.org";
// An iCalendar date has a four-digit year.
constexpr int kLastYear = 9999;
const char kFastCategory[] = "fast";

// One all-day event over the days [firstDay, lastDay].
struct EventText {
  int firstDay, lastDay;
  const char* english;  // names the UID too
  std::string summary;
  std::string description;
  unsigned tags;  // HolidayTag bits, as categories
  bool fast;
};

// An all-day date; false, with the reason, past iCalendar's four-digit years.
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

// The first day's Gregorian date and the English name in lower-case words:
// the same holiday gets the same UID on every export.
std::string Uid(const char* english, const CalendarDate& gregorian) {
  char date[16];
  std::snprintf(date, sizeof date, "%04d%02d%02d-", gregorian.year, gregorian.month, gregorian.day);
  std::string uid = date;
  for (const char* c = english; *c; ++c) {
    const unsigned char letter = static_cast<unsigned char>(*c);
    if (std::isalnum(letter)) {
      uid += static_cast<char>(std::tolower(letter));
    } else if (uid.back() != '-') {
      uid += '-';
    }
  }
  if (uid.back() == '-') uid.pop_back();
  return uid + kUidDomain;
}

// The Ethiopian date in Ethiopic script and in Latin letters.
std::string EthiopianDate(const CalendarDate& ethiopian) {
  char date[128];
  std::snprintf(date, sizeof date, "%s %d, %d (%s %d, %d)", ExportMonthName(Ethiopian, ethiopian.month, 1),
                ethiopian.day, ethiopian.year, MonthName(Ethiopian, ethiopian.month), ethiopian.day,
                ethiopian.year);
  return date;
}

EventText HolidayEvent(const Holiday& holiday) {
  const CalendarDate ethiopian = DatePair::OfDay(holiday.dayNumber).dates[Ethiopian];
  const std::string expected = holiday.tags & kExpectedDate ? " (expected)" : "";
  return {holiday.dayNumber, holiday.dayNumber, holiday.english, holiday.english + expected,
          std::string(holiday.amharic) + "\n" + EthiopianDate(ethiopian), holiday.tags, false};
}

EventText FastEvent(const FastPeriod& fast) {
  const std::string first = EthiopianDate(DatePair::OfDay(fast.firstDay).dates[Ethiopian]);
  return {fast.firstDay, fast.lastDay, fast.name->english, fast.name->english,
          std::string(fast.name->amharic) + "\n" + first + " - " +
              EthiopianDate(DatePair::OfDay(fast.lastDay).dates[Ethiopian]),
          0, true};
}

// One CATEGORIES property per tag, so no comma has to be escaped; every tag
// bit there is, so that a new one is not silently dropped.
void AddCategories(const EventText& text, std::string* ics) {
  for (unsigned tag = 1; tag != 0 && tag <= text.tags; tag <<= 1) {
    if (text.tags & tag) AddLine(std::string("CATEGORIES:") + HolidayTagText(tag), ics);
  }
  if (text.fast) AddLine(std::string("CATEGORIES:") + kFastCategory, ics);
}

// False, with the reason, when a date cannot be written.
bool AddEvent(const EventText& text, const std::string& stamp, std::string* ics, std::string* why) {
  const CalendarDate first = DatePair::OfDay(text.firstDay).dates[Gregorian];
  AddLine("BEGIN:VEVENT", ics);
  AddLine("UID:" + Uid(text.english, first), ics);
  if (!stamp.empty()) AddLine(stamp, ics);
  if (!AddDate("DTSTART", first, ics, why) ||
      !AddDate("DTEND", DatePair::OfDay(text.lastDay + 1).dates[Gregorian], ics, why)) {
    return false;
  }
  AddLine("SUMMARY:" + Escaped(text.summary), ics);
  AddLine("DESCRIPTION:" + Escaped(text.description), ics);
  AddLine("TRANSP:TRANSPARENT", ics);
  AddCategories(text, ics);
  AddLine("END:VEVENT", ics);
  return true;
}

}  // namespace

// A plain snapshot (RFC 5545, 3.7.2): no METHOD, which would ask for an organizer.
bool HolidayCalendar(const std::vector<Holiday>& holidays, const std::vector<FastPeriod>& fasts, std::string* ics,
                     std::string* why) {
  std::vector<EventText> events;
  for (const Holiday& holiday : holidays) events.push_back(HolidayEvent(holiday));
  for (const FastPeriod& fast : fasts) events.push_back(FastEvent(fast));
  std::string text;
  AddLine("BEGIN:VCALENDAR", &text);
  AddLine("VERSION:2.0", &text);
  AddLine(std::string("PRODID:-//") + kProgramName + "//" + kProgramName + " " + kVersion + "//EN", &text);
  AddLine("CALSCALE:GREGORIAN", &text);
  const std::string stamp = StampLine(WallClock(nullptr));
  for (const EventText& event : events) {
    if (!AddEvent(event, stamp, &text, why)) return false;
  }
  AddLine("END:VCALENDAR", &text);
  *ics = std::move(text);
  return true;
}
