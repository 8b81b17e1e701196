#include "core/remind/due.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <set>

#include "core/calendar/calendar_date.h"
#include "core/calendar/date_pair.h"
#include "core/calendar/holidays.h"
#include "core/church/fasts.h"

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kTmFirstYear = 1900;
constexpr int kStampFields = 7;  // year, month, day, hour, minute, second, zone

// The instant the day was added or last changed, from its DTSTAMP in UTC
// ("20261208T090000Z"); none when it has no stamp of that form.
std::optional<std::time_t> StampOf(const UserDay& day) {
  const std::string stamp(day.kept.stamp.data(), day.kept.stamp.size());
  std::tm utc{};
  int year = 0, month = 0;
  char zone = 0;
  if (std::sscanf(stamp.c_str(), "%4d%2d%2dT%2d%2d%2d%c", &year, &month, &utc.tm_mday, &utc.tm_hour, &utc.tm_min,
                  &utc.tm_sec, &zone) != kStampFields ||
      zone != 'Z') {
    return std::nullopt;
  }
  utc.tm_year = year - kTmFirstYear;
  utc.tm_mon = month - 1;
  return timegm(&utc);
}

bool Within(std::time_t at, std::time_t after, std::time_t through) { return at > after && at <= through; }

// The user's days' reminders: for each distance in days that some reminder
// keeps, the occurrences whose reminders of that distance may fall in the
// stretch, a day's margin either side for a change of the clocks.
void AddUserDays(const std::vector<UserDay>& days, std::time_t after, std::time_t through, std::vector<DueReminder>* due) {
  std::set<int> distances;
  for (const UserDay& day : days) {
    for (const Reminder& reminder : day.reminders) distances.insert(reminder.daysBefore);
  }
  const int32_t first = LocalDay(after) - 1, last = LocalDay(through) + 1;
  for (const int distance : distances) {
    for (const Occurrence& occurrence : OccurrencesBetween(days, first + distance, last + distance)) {
      const UserDay& day = days[occurrence.index];
      const std::optional<std::time_t> stamp = StampOf(day);
      for (const Reminder& reminder : day.reminders) {
        if (reminder.daysBefore != distance) continue;
        const std::time_t at = LocalInstant(occurrence.day - distance, reminder.minuteOfDay);
        if (Within(at, after, through) && (!stamp || at >= *stamp)) {
          due->push_back({at, occurrence.day, RemindOf::kUserDay, occurrence});
        }
      }
    }
  }
}

// A period that begins while another is kept (the Gehad of Genna, the last
// day of Tsome Nebiyat) brings no new fast to be told of.
bool BeginsWithinAnother(const FastPeriod& period) {
  const ChurchYear church = ReckonChurchYear(DatePair::OfDay(period.firstDay).Year(Ethiopian));
  return std::any_of(church.fasts.begin(), church.fasts.end(), [&period](const FastPeriod& other) {
    return other.firstDay < period.firstDay && period.firstDay <= other.lastDay;
  });
}

void AddChurchDay(int32_t day, RemindOf of, ChurchName names, std::time_t after, std::time_t through,
                  std::vector<DueReminder>* due) {
  const std::time_t at = LocalInstant(day - 1, kChurchEveMinute);
  if (Within(at, after, through)) due->push_back({at, day, of, Occurrence{}, names});
}

void AddFasts(std::time_t after, std::time_t through, std::vector<DueReminder>* due) {
  for (const FastPeriod& period : FastsBeginningBetween(LocalDay(after), LocalDay(through) + 1)) {
    if (!BeginsWithinAnother(period)) AddChurchDay(period.firstDay, RemindOf::kFast, *period.name, after, through, due);
  }
}

// The major feasts of the Lord are those the holidays' table marks so
// (calendar/holidays_church.cpp names the church's own list beside it).
void AddFeasts(std::time_t after, std::time_t through, std::vector<DueReminder>* due) {
  const int32_t first = LocalDay(after), last = LocalDay(through) + 1;
  const int firstYear = DatePair::OfDay(first).Year(Gregorian), lastYear = DatePair::OfDay(last).Year(Gregorian);
  for (int year = firstYear; year <= lastYear; ++year) {
    for (const Holiday& holiday : HolidaysOfGregorianYear(year)) {
      if ((holiday.tags & kMajorFeast) && holiday.dayNumber >= first && holiday.dayNumber <= last) {
        AddChurchDay(holiday.dayNumber, RemindOf::kFeast, {holiday.english, holiday.amharic}, after, through, due);
      }
    }
  }
}

}  // namespace

int32_t LocalDay(std::time_t instant) {
  std::tm local{};
  localtime_r(&instant, &local);
  CalendarDate date;
  date.SetFromTm(local);
  return date.dayNumber;
}

std::time_t LocalInstant(int32_t dayNumber, int minuteOfDay) {
  const CalendarDate date = DatePair::OfDay(dayNumber).dates[Gregorian];
  std::tm local{};
  local.tm_year = date.year - kTmFirstYear;
  local.tm_mon = date.month - 1;
  local.tm_mday = date.day;
  local.tm_hour = minuteOfDay / kMinutesPerHour;
  local.tm_min = minuteOfDay % kMinutesPerHour;
  local.tm_isdst = -1;  // whichever the day keeps
  return std::mktime(&local);
}

std::string LocalClockText(std::time_t instant) {
  std::tm local{};
  localtime_r(&instant, &local);
  char text[sizeof "23:59"] = "";
  std::strftime(text, sizeof text, "%H:%M", &local);
  return text;
}

std::vector<DueReminder> RemindersDue(const std::vector<UserDay>& days, const RemindSettings& settings,
                                      std::time_t after, std::time_t through) {
  std::vector<DueReminder> due;
  if (through <= after) return due;
  AddUserDays(days, after, through, &due);
  if (settings.fasts) AddFasts(after, through, &due);
  if (settings.feasts) AddFeasts(after, through, &due);
  std::stable_sort(due.begin(), due.end(), [](const DueReminder& a, const DueReminder& b) { return a.at < b.at; });
  return due;
}

std::optional<std::time_t> NextReminder(const UserDay& day, std::time_t now) {
  std::optional<std::time_t> next;
  for (const Reminder& reminder : day.reminders) {
    // The occurrence whose reminder is still to come: today's may be past.
    for (int32_t from = LocalDay(now) + reminder.daysBefore;;) {
      const std::optional<Occurrence> occurrence = NextOccurrence(day, from);
      if (!occurrence) break;
      const std::time_t at = LocalInstant(occurrence->day - reminder.daysBefore, reminder.minuteOfDay);
      if (at > now) {
        next = next ? std::min(*next, at) : at;
        break;
      }
      from = occurrence->day + 1;
    }
  }
  return next;
}
