#include "core/export/days_calendar.h"

#include "core/calendar/clock_source.h"
#include "core/calendar/date_pair.h"
#include "core/days/alarm.h"
#include "core/days/memorial.h"
#include "core/ical/ics_text.h"

namespace {

// One all-day event: the day's name (and commemoration), its note and the
// Ethiopian date; false past iCalendar's years.
bool AddOccurrence(const UserDay& day, const Occurrence& occurrence, const std::string& stamp, std::string* ics,
                   std::string* why) {
  const DatePair date = DatePair::OfDay(occurrence.day);
  AddLine("BEGIN:VEVENT", ics);
  AddLine("UID:" + Escaped(ics::DatedUid(date.dates[Gregorian], day.uid)), ics);
  if (!stamp.empty()) AddLine(stamp, ics);
  if (!ics::AddDate("DTSTART", date.dates[Gregorian], ics, why)) return false;
  AddLine("SUMMARY:" + Escaped(OccurrenceSummary(day, occurrence, Language::kEnglish)), ics);
  const std::string ethiopian = ics::EthiopianDate(date.dates[Ethiopian]);
  AddLine("DESCRIPTION:" + Escaped(day.note.empty() ? ethiopian : day.note + "\n" + ethiopian), ics);
  AddLine("TRANSP:TRANSPARENT", ics);
  AddAlarms(day.reminders, OccurrenceSummary(day, occurrence, Language::kEnglish), ics);
  AddLine("END:VEVENT", ics);
  return true;
}

}  // namespace

std::string OccurrenceSummary(const UserDay& day, const Occurrence& occurrence, Language language) {
  if (day.repeat != Repeat::kMemorial) return day.name;
  const Commemoration which = static_cast<Commemoration>(occurrence.memorial);
  return day.name + " (" + NameIn(CommemorationName(which), language) + ")";
}

bool AddOccurrenceEvents(const std::vector<UserDay>& days, const std::vector<Occurrence>& occurrences,
                         std::string* ics, std::string* why) {
  const std::string stamp = StampLine(WallClock(nullptr));
  for (const Occurrence& occurrence : occurrences) {
    if (!AddOccurrence(days[occurrence.index], occurrence, stamp, ics, why)) return false;
  }
  return true;
}

bool OccurrenceCalendar(const std::vector<UserDay>& days, const std::vector<Occurrence>& occurrences,
                        std::string* ics, std::string* why) {
  std::string text;
  ics::AddHeader(&text);
  if (!AddOccurrenceEvents(days, occurrences, &text, why)) return false;
  ics::AddFooter(&text);
  *ics = std::move(text);
  return true;
}

