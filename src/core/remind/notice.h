#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "core/locale/language_names.h"
#include "core/remind/due.h"

// What a reminder says on the desktop: a title and a body, and how many of
// the reminders due it tells (the summary of the missed, several).
struct Notice {
  std::string summary;
  std::string body;
  size_t reminders = 1;
};

// A reminder more than this late comes in the one summary of the missed.
constexpr std::time_t kLateSeconds = kSecondsPerDay;

// The notices of the reminders due, as of `now`: each on its own, and those
// more than a day late together in one summary, the first of them: the
// notices tell the reminders in the order given.
std::vector<Notice> NoticesOf(const std::vector<DueReminder>& due, const std::vector<UserDay>& days, std::time_t now,
                              TextStyle style);

// What a reminder is about, by name: the user's day (a memorial's
// commemoration named), "fast: NAME" or the feast.
std::string ReminderName(const DueReminder& reminder, const std::vector<UserDay>& days, Language language);
// Its day in both calendars, the Ethiopian first: "DATE (DATE)".
std::string BothDates(int32_t day, TextStyle style);
