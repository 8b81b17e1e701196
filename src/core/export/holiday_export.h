#pragma once

#include <string>
#include <vector>

#include "core/calendar/calendar_kind.h"
#include "core/days/user_day.h"
#include "core/language/language.h"

// Tool > Export holidays: one year's holidays, in the base calendar's year,
// as an iCalendar file, with the fasting periods that begin in it and the
// user's own days of the year when asked.

struct HolidayExport {
  int year;
  CalendarKind kind;
  bool withFasts;
  const std::vector<UserDay>* userDays = nullptr;  // the user's days while the window shows them
  Language language = Language::kEnglish;          // of the holidays' and fasts' titles
  std::vector<Reminder> reminders{};               // a VALARM each, in every holiday and fast
};

// The name offered for it: "zelmora-holidays-YEAR.ics" for an Ethiopian
// year, "zelmora-holidays-YEAR-gregorian.ics" for a Gregorian one.
std::string HolidayFileName(const HolidayExport& what);
// What the file holds, for the dialog's title: "Holidays and fasting periods
// of the Ethiopian year 2019", say, and ", with my days" when they are in it.
std::string HolidayExportTitle(const HolidayExport& what);
// path as the file is saved: ".ics" added unless its name already ends so
// (in any case), since calendars go by the extension.
std::string WithIcsExtension(const std::string& path);
// Whether the file can be written at all (iCalendar's years end before the
// calendars' span does), with one sentence for the user in *why when not.
// Made in memory only.
bool HolidayExportWritable(const HolidayExport& what, std::string* why);
// Writes the file at path, replacing it whole or leaving it as it was; false
// with one sentence for the user in *why.
bool SaveHolidayCalendar(const HolidayExport& what, const std::string& path, std::string* why);
