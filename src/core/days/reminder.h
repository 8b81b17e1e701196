#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class Repeat;

// A reminder of one of the user's days: on the day itself or whole days
// before it, at a local time of day. In days.ics it is a VALARM with
// ACTION:DISPLAY and a TRIGGER relative to the day's start (RFC 5545,
// 3.6.6 and 3.8.6.3): negative for days before, positive for a time on the
// day. Alarms of other forms are kept with the day's other lines, as read.
struct Reminder {
  static constexpr int kMinutesPerDay = 24 * 60;
  static constexpr int kMostDaysBefore = 366;  // a year ahead at most, as WHEN accepts it
  int16_t daysBefore = 0;   // [0, kMostDaysBefore]
  int16_t minuteOfDay = 0;  // [0, kMinutesPerDay)

  bool operator==(const Reminder& other) const {
    return daysBefore == other.daysBefore && minuteOfDay == other.minuteOfDay;
  }
  bool operator!=(const Reminder& other) const { return !(*this == other); }
};

// WHEN as the terminal takes it: "@HH:MM" (on the day) or "Nd@HH:MM" (N days
// before); "none" alone clears them. False, with why naming the text and
// the form expected, when one cannot be read.
bool ParseReminders(const std::vector<std::string>& whens, std::vector<Reminder>* reminders, std::string* why);
// Earliest first (the most days before, then the earliest time), each once.
void SortReminders(std::vector<Reminder>* reminders);
// The same form back: "@09:00", "7d@09:00"; or appended to text.
std::string ReminderText(const Reminder& reminder);
void AppendReminderText(const Reminder& reminder, std::string* text);

// What a new day gets unless the user says otherwise.
std::vector<Reminder> DefaultReminders(Repeat repeat);

// The TRIGGER value of a reminder ("-PT6H", "PT9H"), and back; false for a
// duration that is no reminder of this form (past the day's end, too far
// before it, not whole minutes).
std::string TriggerText(const Reminder& reminder);
bool ReminderOfTrigger(std::string_view duration, Reminder* reminder);
