#include "core/export/holiday_calendar.h"

#include <cctype>
#include <string>

#include "core/calendar/clock_source.h"
#include "core/calendar/date_pair.h"
#include "core/days/alarm.h"
#include "core/ical/ics_text.h"
#include "core/locale/translation.h"

namespace {

using ics::AddDate;
using ics::AddFooter;
using ics::AddHeader;
using ics::DatedUid;
using ics::EthiopianDate;
using ics::kUidDomain;

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

// The first day's Gregorian date and the English name in lower-case words:
// the same holiday gets the same UID on every export.
std::string Uid(const char* english, const CalendarDate& gregorian) {
  std::string uid;
  for (const char* c = english; *c; ++c) {
    const unsigned char letter = static_cast<unsigned char>(*c);
    if (std::isalnum(letter)) {
      uid += static_cast<char>(std::tolower(letter));
    } else if (!uid.empty() && uid.back() != '-') {
      uid += '-';
    }
  }
  if (!uid.empty() && uid.back() == '-') uid.pop_back();
  return DatedUid(gregorian, uid + kUidDomain);
}

// The name in the language asked for, the other one under it in the description.
std::string OtherName(const char* english, const char* amharic, Language language) {
  return language == Language::kEnglish ? amharic : english;
}

EventText HolidayEvent(const Holiday& holiday, Language language) {
  const CalendarDate ethiopian = DatePair::OfDay(holiday.dayNumber).dates[Ethiopian];
  const std::string expected = holiday.tags & kExpectedDate ? Filled(" (%s)", {Tr("expected", language)}) : "";
  return {holiday.dayNumber, holiday.dayNumber, holiday.english, NameIn(holiday, language) + expected,
          OtherName(holiday.english, holiday.amharic, language) + "\n" + EthiopianDate(ethiopian), holiday.tags, false};
}

EventText FastEvent(const FastPeriod& fast, Language language) {
  const std::string first = EthiopianDate(DatePair::OfDay(fast.firstDay).dates[Ethiopian]);
  return {fast.firstDay, fast.lastDay, fast.name->english, NameIn(*fast.name, language),
          OtherName(fast.name->english, fast.name->amharic, language) + "\n" + first + " - " +
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
bool AddEvent(const EventText& text, const std::string& stamp, const std::vector<Reminder>& reminders, std::string* ics,
              std::string* why) {
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
  AddAlarms(reminders, text.summary, ics);
  AddLine("END:VEVENT", ics);
  return true;
}

}  // namespace

bool AddHolidayEvents(const std::vector<Holiday>& holidays, const std::vector<FastPeriod>& fasts, std::string* ics,
                      std::string* why, const HolidayEventStyle& style) {
  std::vector<EventText> events;
  for (const Holiday& holiday : holidays) events.push_back(HolidayEvent(holiday, style.language));
  for (const FastPeriod& fast : fasts) events.push_back(FastEvent(fast, style.language));
  const std::string stamp = StampLine(WallClock(nullptr));
  for (const EventText& event : events) {
    if (!AddEvent(event, stamp, style.reminders, ics, why)) return false;
  }
  return true;
}

bool HolidayCalendar(const std::vector<Holiday>& holidays, const std::vector<FastPeriod>& fasts, std::string* ics,
                     std::string* why, const HolidayEventStyle& style) {
  std::string text;
  AddHeader(&text);
  if (!AddHolidayEvents(holidays, fasts, &text, why, style)) return false;
  AddFooter(&text);
  *ics = std::move(text);
  return true;
}
