#pragma once

#include <ctime>
#include <string>

#include "core/days/user_day.h"
#include "core/locale/language_names.h"

// How the window words a reminder, in the language shown.

constexpr std::time_t kSecondsPerMinute = 60;

// "On the day at 08:00", "The day before at 18:00", "7 days before at 09:00".
std::string ReminderLine(const Reminder& reminder);
// "Next reminder: DATE (DATE) at 08:00", of the day's first reminder after
// now; "" when none comes.
std::string NextReminderLine(const UserDay& day, std::time_t now, TextStyle style);
