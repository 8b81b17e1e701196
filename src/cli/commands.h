#pragma once

#include <string>
#include <vector>

#include "cli/output.h"
#include "core/calendar/calendar_kind.h"
#include "core/locale/language_names.h"

// What `remind` was asked besides telling: each the option as typed, or its value.
struct RemindAsk {
  const char* list = nullptr;    // "--list"
  const char* setup = nullptr;   // "--enable" or "--disable"
  const char* fasts = nullptr;   // "on" or "off"
  const char* feasts = nullptr;
};

// What a command was asked: its one operand (or none), the calendar named by
// --ethiopian or --gregorian (or the command's own default) and whether one
// was named, whether today is to be highlighted, whether an iCalendar file
// is wanted and whether it is to hold the fasts, the format or JSON asked
// for, the calendar --to names for the format, and the names' script and
// numerals; for the user's days, the operands after the first, the repeat
// and note of a new day, whether the rules are written as stored, and
// whether only today is asked for; the reminders (--remind WHEN) of a new
// day or of the holidays' iCalendar file, as typed; and what `remind` was asked.
struct Invocation {
  const char* operand = nullptr;
  std::vector<const char*> more;
  CalendarKind kind = Ethiopian;
  bool kindNamed = false;
  bool highlight = false;
  bool ics = false;
  bool fasts = false;
  const char* format = nullptr;
  bool json = false;
  CalendarKind to = Ethiopian;
  bool toNamed = false;
  TextStyle style;
  const char* every = nullptr;
  const char* note = nullptr;
  bool rscale = false;
  bool today = false;
  std::vector<std::string> remind;
  RemindAsk reminding;
};

// Each returns the whole text for standard output, or writes it to `out`
// as it is made (the answers that may be long), or throws CommandError
// before its first byte.
std::string TodayCommand(const Invocation& call);
std::string ConvertCommand(const Invocation& call);
void MonthCommand(const Invocation& call, Output& out);
void HolidaysCommand(const Invocation& call, Output& out);
// The time of day in Ethiopian hours, the Western time following.
std::string NowCommand(const Invocation& call);
// The church's year: its fasts, one day in full, and Bahire Hasab.
std::string FastsCommand(const Invocation& call);
void DayCommand(const Invocation& call, Output& out);
std::string BahireHasabCommand(const Invocation& call);
// The user's own days: listed, added, removed, imported, or as an iCalendar
// file; and the coming days with everything the calendar and the user say of them.
void DaysCommand(const Invocation& call, Output& out);
void AgendaCommand(const Invocation& call, Output& out);
// The reminders: told through the desktop once each, listed, turned on or
// off for the church's days, or set to run by themselves.
void RemindCommand(const Invocation& call, Output& out);
