#include "export/holiday_calendar.h"

#include <libical/ical.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "calendar/clock_source.h"
#include "calendar/date_names.h"
#include "calendar/date_pair.h"
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

// libical writes no year above 3000 (it gives 00000000T000000 instead), but
// keeps a date it reads as text; so each date is written here.
icalproperty* DateProperty(const char* name, const CalendarDate& gregorian, std::string* why) {
  if (gregorian.year > kLastYear) {
    *why = "iCalendar has no dates after the year 9999, and " + std::string(gregorian.FormatNumeric()) + " is one";
    return nullptr;
  }
  char text[48];
  std::snprintf(text, sizeof text, "%s;VALUE=DATE:%04d%02d%02d", name, gregorian.year, gregorian.month,
                gregorian.day);
  icalproperty* property = icalproperty_new_from_string(text);
  if (!property) *why = std::string("libical did not take ") + text;
  return property;
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
  return {fast.firstDay, fast.lastDay, fast.english, fast.english,
          first + " - " + EthiopianDate(DatePair::OfDay(fast.lastDay).dates[Ethiopian]), 0, true};
}

// One CATEGORIES property per tag, so no comma has to be escaped.
void AddCategories(icalcomponent* event, const EventText& text) {
  for (unsigned tag : {kPublicHoliday, kChurchDay, kExpectedDate, kMemorial}) {
    if (text.tags & tag) icalcomponent_add_property(event, icalproperty_new_categories(HolidayTagText(tag)));
  }
  if (text.fast) icalcomponent_add_property(event, icalproperty_new_categories(kFastCategory));
}

// Every event's DTSTAMP line, written into the text before its DTSTART, in
// UTC computed here: libical knows UTC only as a zone of its own, which it
// finds by parsing its whole time-zone table, a third of the command's work.
void AddStamps(std::time_t now, std::string* ics) {
  std::tm utc{};
  char stamp[sizeof "\r\nDTSTAMP:20261208T045500Z"];
  if (!gmtime_r(&now, &utc) || !std::strftime(stamp, sizeof stamp, "\r\nDTSTAMP:%Y%m%dT%H%M%SZ", &utc)) return;
  const std::string start = "\r\nDTSTART";
  for (size_t at = ics->find(start); at != std::string::npos; at = ics->find(start, at + start.size())) {
    ics->insert(at, stamp);
    at += std::strlen(stamp);
  }
}

// nullptr, with the reason, when a date cannot be written.
icalcomponent* Event(const EventText& text, std::string* why) {
  const CalendarDate first = DatePair::OfDay(text.firstDay).dates[Gregorian];
  icalproperty* start = DateProperty("DTSTART", first, why);
  icalproperty* end = start ? DateProperty("DTEND", DatePair::OfDay(text.lastDay + 1).dates[Gregorian], why) : nullptr;
  if (!end) {
    if (start) icalproperty_free(start);
    return nullptr;
  }
  icalcomponent* event = icalcomponent_vanew(
      ICAL_VEVENT_COMPONENT, icalproperty_new_uid(Uid(text.english, first).c_str()), start, end,
      icalproperty_new_summary(text.summary.c_str()), icalproperty_new_description(text.description.c_str()),
      icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), nullptr);
  AddCategories(event, text);
  return event;
}

}  // namespace

// A plain snapshot (RFC 5545, 3.7.2): no METHOD, which would ask for an organizer.
bool HolidayCalendar(const std::vector<Holiday>& holidays, const std::vector<FastPeriod>& fasts, std::string* ics,
                     std::string* why) {
  const std::string productId = std::string("-//") + kProgramName + "//" + kProgramName + " " + kVersion + "//EN";
  const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
      icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                          icalproperty_new_prodid(productId.c_str()), icalproperty_new_calscale("GREGORIAN"), nullptr),
      icalcomponent_free);
  std::vector<EventText> events;
  for (const Holiday& holiday : holidays) events.push_back(HolidayEvent(holiday));
  for (const FastPeriod& fast : fasts) events.push_back(FastEvent(fast));
  for (const EventText& text : events) {
    icalcomponent* event = Event(text, why);
    if (!event) return false;
    icalcomponent_add_component(calendar.get(), event);
  }
  char* text = icalcomponent_as_ical_string_r(calendar.get());
  *ics = text;
  std::free(text);
  AddStamps(WallClock(nullptr), ics);
  return true;
}
