#include "core/days/reminder.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>

#include "core/days/user_day.h"
#include "core/ical/content_line.h"
#include "core/locale/translation.h"

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;
constexpr int kHoursPerDay = Reminder::kMinutesPerDay / kMinutesPerHour;
constexpr int kDaysPerWeek = 7;
constexpr int kClockDigits = 2;            // of HH and MM
constexpr int kDecimalBase = 10;
constexpr int kShownLength = 40;           // of a WHEN refused, in a message
constexpr int64_t kMostDurationNumber = 1'000'000'000;  // past any reminder, short of overflow
constexpr char kNone[] = "none";

// Minutes from the day's start: negative before it.
int Offset(const Reminder& reminder) {
  return reminder.minuteOfDay - reminder.daysBefore * Reminder::kMinutesPerDay;
}

// The digits at text[*at], at most kMostDurationNumber; false when there are none or too many.
bool Number(std::string_view text, size_t* at, int64_t* number) {
  const size_t from = *at;
  *number = 0;
  for (; *at < text.size() && text[*at] >= '0' && text[*at] <= '9'; ++*at) {
    *number = *number * kDecimalBase + (text[*at] - '0');
    if (*number > kMostDurationNumber) return false;
  }
  return *at > from;
}

// Two digits, or one for the hour ("@9:00").
bool Clock(std::string_view text, int64_t* minuteOfDay) {
  size_t at = 0;
  int64_t hour = 0, minute = 0;
  if (!Number(text, &at, &hour) || at > kClockDigits || at >= text.size() || text[at] != ':') return false;
  const size_t minuteFrom = ++at;
  if (!Number(text, &at, &minute) || at != text.size() || at - minuteFrom != kClockDigits) return false;
  if (hour >= kHoursPerDay || minute >= kMinutesPerHour) return false;
  *minuteOfDay = hour * kMinutesPerHour + minute;
  return true;
}

bool ParseOne(std::string_view when, Reminder* reminder) {
  const size_t sign = when.find('@');
  if (sign == std::string_view::npos) return false;
  int64_t days = 0;
  if (sign > 0) {
    size_t at = 0;
    const std::string_view before = when.substr(0, sign);
    if (!Number(before, &at, &days) || at + 1 != before.size() || (before[at] != 'd' && before[at] != 'D')) return false;
    if (days > Reminder::kMostDaysBefore) return false;
  }
  int64_t minuteOfDay = 0;
  if (!Clock(when.substr(sign + 1), &minuteOfDay)) return false;
  reminder->daysBefore = days;
  reminder->minuteOfDay = minuteOfDay;
  return true;
}

// The text as typed, cut, with bytes that are no printable ASCII (no WHEN has them) shown as '?'.
std::string Shown(const std::string& text) {
  std::string shown = "\"";
  for (const char c : text.substr(0, kShownLength)) shown += c >= ' ' && c <= '~' ? c : '?';
  return shown + (text.size() > kShownLength ? "\"…" : "\"");
}

// "15H", or nothing for no hours.
std::string Part(int64_t count, char unit) { return count == 0 ? "" : std::to_string(count) + unit; }

// HH or MM at out; past them.
char* TwoDigits(int n, char* out) {
  constexpr char kDigits[] = "0123456789";
  *out++ = kDigits[n / kDecimalBase];
  *out++ = kDigits[n % kDecimalBase];
  return out;
}

// RFC 5545's dur-value in seconds, read leniently as writers vary: weeks,
// days, hours, minutes and seconds in that order, any of them present.
bool DurationSeconds(std::string_view duration, int64_t* seconds) {
  struct Unit {
    char letter;
    int64_t seconds;
    bool afterT;
  };
  constexpr int64_t kMinute = kSecondsPerMinute, kHour = kMinute * kMinutesPerHour, kDay = kHour * kHoursPerDay;
  constexpr Unit kUnits[] = {{'W', kDay * kDaysPerWeek, false}, {'D', kDay, false},
                             {'H', kHour, true}, {'M', kMinute, true}, {'S', 1, true}};
  const bool negative = !duration.empty() && duration[0] == '-';
  size_t at = !duration.empty() && (negative || duration[0] == '+') ? 1 : 0;
  if (at >= duration.size() || UpperAscii(duration[at++]) != 'P') return false;
  size_t next = 0;  // units come in their order, each once
  bool inTime = false, timeEmpty = true;
  *seconds = 0;
  while (at < duration.size()) {
    if (!inTime && UpperAscii(duration[at]) == 'T') {
      inTime = true;
      ++at;
      continue;
    }
    int64_t count = 0;
    if (!Number(duration, &at, &count) || at >= duration.size()) return false;
    const char letter = UpperAscii(duration[at++]);
    while (next < std::size(kUnits) && (kUnits[next].letter != letter || kUnits[next].afterT != inTime)) ++next;
    if (next == std::size(kUnits)) return false;
    *seconds += count * kUnits[next++].seconds;
    timeEmpty = timeEmpty && !inTime;
  }
  if (negative) *seconds = -*seconds;
  return next > 0 && !(inTime && timeEmpty);
}

}  // namespace

void SortReminders(std::vector<Reminder>* reminders) {
  const auto earlier = [](const Reminder& a, const Reminder& b) { return Offset(a) < Offset(b); };
  std::sort(reminders->begin(), reminders->end(), earlier);
  reminders->erase(std::unique(reminders->begin(), reminders->end()), reminders->end());
}

bool ParseReminders(const std::vector<std::string>& whens, std::vector<Reminder>* reminders, std::string* why) {
  std::vector<Reminder> read;
  for (const std::string& when : whens) {
    Reminder reminder;
    const bool none = when == kNone && whens.size() == 1;
    if (!none && !ParseOne(when, &reminder)) {
      *why = Filled(Tr("%s is no reminder; expected @HH:MM, Nd@HH:MM or none"), {Shown(when)});
      return false;
    }
    if (!none) read.push_back(reminder);
  }
  SortReminders(&read);
  *reminders = std::move(read);
  return true;
}

// Made in place: a list of thousands of days writes it for each.
void AppendReminderText(const Reminder& reminder, std::string* text) {
  char made[sizeof "366d@HH:MM"];
  char* end = made;
  if (reminder.daysBefore != 0) {
    end = std::to_chars(end, std::end(made), reminder.daysBefore).ptr;
    *end++ = 'd';
  }
  *end++ = '@';
  end = TwoDigits(reminder.minuteOfDay / kMinutesPerHour, end);
  *end++ = ':';
  end = TwoDigits(reminder.minuteOfDay % kMinutesPerHour, end);
  text->append(made, end);
}

std::string ReminderText(const Reminder& reminder) {
  std::string text;
  AppendReminderText(reminder, &text);
  return text;
}

// A day is put into the calendar to come back in time, so each new one has a
// word on the morning of the day, at 08:00, before the day's plans are made.
// A memorial's day is a large gathering of family and friends, with wot,
// injera, home-made beer, bread and coffee prepared for them ("two years
// after someone passes away is one of the several times ... that there is a
// large gathering", hannahprinethiopia.blogspot.com/2016/01/preparation-part-of-family_29.html),
// so a memorial also comes a week before, in time for the preparations.
std::vector<Reminder> DefaultReminders(Repeat repeat) {
  constexpr int kMorningHour = 8;
  constexpr int16_t kMorning = kMorningHour * kMinutesPerHour;
  constexpr int16_t kPreparationDays = kDaysPerWeek;
  std::vector<Reminder> reminders{{0, kMorning}};
  if (repeat == Repeat::kMemorial) reminders.insert(reminders.begin(), {kPreparationDays, kMorning});
  return reminders;
}

// Hours and minutes, with whole days before them: "-P6DT15H", "PT8H30M", "PT0S" at midnight on the day.
std::string TriggerText(const Reminder& reminder) {
  const int offset = Offset(reminder);
  if (offset == 0) return "PT0S";
  const int minutes = offset < 0 ? -offset : offset;
  const int days = minutes / Reminder::kMinutesPerDay, inDay = minutes % Reminder::kMinutesPerDay;
  const std::string time = Part(inDay / kMinutesPerHour, 'H') + Part(inDay % kMinutesPerHour, 'M');
  return std::string(offset < 0 ? "-" : "") + "P" + Part(days, 'D') + (time.empty() ? "" : "T" + time);
}

// Whole minutes, from the day's end back to kMostDaysBefore days before it.
bool ReminderOfTrigger(std::string_view duration, Reminder* reminder) {
  int64_t seconds = 0;
  if (!DurationSeconds(duration, &seconds) || seconds % kSecondsPerMinute != 0) return false;
  const int64_t offset = seconds / kSecondsPerMinute;
  if (offset >= Reminder::kMinutesPerDay) return false;
  const int64_t daysBefore = offset < 0 ? (-offset + Reminder::kMinutesPerDay - 1) / Reminder::kMinutesPerDay : 0;
  if (daysBefore > Reminder::kMostDaysBefore) return false;
  reminder->daysBefore = daysBefore;
  reminder->minuteOfDay = offset + daysBefore * Reminder::kMinutesPerDay;
  return true;
}
