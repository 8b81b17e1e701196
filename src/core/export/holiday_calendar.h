#pragma once

#include <string>
#include <vector>

#include "core/calendar/holidays.h"
#include "core/church/fasts.h"
#include "core/days/reminder.h"

// The holidays as an iCalendar (RFC 5545) file, written here as text: one
// all-day event each, with the English name as its summary (and
// "(expected)" after a date that awaits the moon), the Amharic name and the
// Ethiopian date in its description, its tags as categories, and a UID that
// every export of the same holiday repeats. In Amharic the summary is the
// Amharic name and the description the English one. Each fasting period follows as
// one all-day event over its days, in the category "fast". False with the
// reason in *why when a day cannot be written (iCalendar's years end with
// 9999): a file is written whole or not at all. Each event carries a
// VALARM for each of the reminders asked for, relative to its first day, so
// that a phone that imports the file tells of it in time.
struct HolidayEventStyle {
  Language language = Language::kEnglish;
  std::vector<Reminder> reminders{};
};
// The same events, appended to a file being written (one that carries other
// events too).
bool AddHolidayEvents(const std::vector<Holiday>& holidays, const std::vector<FastPeriod>& fasts, std::string* ics,
                      std::string* why, const HolidayEventStyle& style = {});
bool HolidayCalendar(const std::vector<Holiday>& holidays, const std::vector<FastPeriod>& fasts, std::string* ics,
                     std::string* why, const HolidayEventStyle& style = {});
