#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/church/church_name.h"
#include "core/days/occurrences.h"
#include "core/days/user_day.h"
#include "core/remind/remind_settings.h"

// Which reminders fall due when, in local time: the user's days' own, and,
// when turned on, the evening before a fast begins and the eve of a major
// feast of the Lord.

enum class RemindOf { kUserDay, kFast, kFeast };

struct DueReminder {
  std::time_t at;          // when it falls due
  int32_t day;             // the day it is about: the occurrence, the fast's first day, the feast
  RemindOf of;
  Occurrence occurrence;   // of a user day: which day (index into the days given) and commemoration
  ChurchName church{};     // of a fast or a feast: its names
};

constexpr std::time_t kSecondsPerDay = 24 * 60 * 60;
// The church's reminders come the evening before, at this minute of the day.
constexpr int kChurchEveMinute = 18 * 60;

// Every reminder due in (after, through], earliest first. A user day's
// reminder due before the day was added (its DTSTAMP) is none.
std::vector<DueReminder> RemindersDue(const std::vector<UserDay>& days, const RemindSettings& settings,
                                      std::time_t after, std::time_t through);

// When the day's next reminder after `now` comes; none when it has none or
// never comes again.
std::optional<std::time_t> NextReminder(const UserDay& day, std::time_t now);

// The local day (day number) of an instant, and the instant of a minute of a local day.
int32_t LocalDay(std::time_t instant);
std::time_t LocalInstant(int32_t dayNumber, int minuteOfDay);
// The local time of an instant: "09:00".
std::string LocalClockText(std::time_t instant);
