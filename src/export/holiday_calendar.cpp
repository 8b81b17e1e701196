#include "export/holiday_calendar.h"

#include <libical/ical.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "calendar/clock_source.h"
#include "calendar/date_names.h"
#include "calendar/date_pair.h"
#include "identity/program_identity.h"

namespace {

// UIDs end in the program's own domain, so they stay apart from other calendars'.
const char kUidDomain[] = "@zelmora.example.org";

icaltimetype DateOf(const CalendarDate& gregorian) {
  icaltimetype date = icaltime_null_date();
  date.year = gregorian.year;
  date.month = gregorian.month;
  date.day = gregorian.day;
  return date;
}

// The Gregorian date and the English name in lower-case words: the same
// holiday gets the same UID on every export.
std::string Uid(const Holiday& holiday, const CalendarDate& gregorian) {
  char date[16];
  std::snprintf(date, sizeof date, "%04d%02d%02d-", gregorian.year, gregorian.month, gregorian.day);
  std::string uid = date;
  for (const char* c = holiday.english; *c; ++c) {
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

// The Amharic name, then the Ethiopian date in Ethiopic script and in Latin letters.
std::string Description(const Holiday& holiday, const CalendarDate& ethiopian) {
  char date[128];
  std::snprintf(date, sizeof date, "%s %d, %d (%s %d, %d)", ExportMonthName(Ethiopian, ethiopian.month, 1),
                ethiopian.day, ethiopian.year, MonthName(Ethiopian, ethiopian.month), ethiopian.day,
                ethiopian.year);
  return std::string(holiday.amharic) + "\n" + date;
}

// One CATEGORIES property per tag, so no comma has to be escaped.
void AddCategories(icalcomponent* event, unsigned tags) {
  for (unsigned tag : {kPublicHoliday, kChurchDay, kExpectedDate}) {
    if (tags & tag) icalcomponent_add_property(event, icalproperty_new_categories(HolidayTagText(tag)));
  }
}

icalcomponent* Event(const Holiday& holiday, icaltimetype stamp) {
  const DatePair day = DatePair::OfDay(holiday.dayNumber);
  DatePair next = day;
  next.NextDay();
  icalcomponent* event = icalcomponent_vanew(
      ICAL_VEVENT_COMPONENT, icalproperty_new_uid(Uid(holiday, day.dates[Gregorian]).c_str()),
      icalproperty_new_dtstamp(stamp), icalproperty_new_dtstart(DateOf(day.dates[Gregorian])),
      icalproperty_new_dtend(DateOf(next.dates[Gregorian])), icalproperty_new_summary(holiday.english),
      icalproperty_new_description(Description(holiday, day.dates[Ethiopian]).c_str()),
      icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), nullptr);
  AddCategories(event, holiday.tags);
  return event;
}

}  // namespace

std::string HolidayCalendar(const std::vector<Holiday>& holidays) {
  const std::string productId = std::string("-//") + kProgramName + "//" + kProgramName + " " + kVersion + "//EN";
  const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
      icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                          icalproperty_new_prodid(productId.c_str()), icalproperty_new_calscale("GREGORIAN"),
                          icalproperty_new_method(ICAL_METHOD_PUBLISH), nullptr),
      icalcomponent_free);
  const icaltimetype stamp = icaltime_from_timet_with_zone(WallClock(nullptr), 0, icaltimezone_get_utc_timezone());
  for (const Holiday& holiday : holidays) icalcomponent_add_component(calendar.get(), Event(holiday, stamp));
  char* text = icalcomponent_as_ical_string_r(calendar.get());
  const std::string ics = text;
  std::free(text);
  return ics;
}
