#pragma once

#include <string>

#include "calendar/calendar_kind.h"

// What a command was asked: its one operand (or none), the calendar named by
// --ethiopian or --gregorian (or the command's own default), whether today is
// to be highlighted, and whether an iCalendar file is wanted.
struct Invocation {
  const char* operand = nullptr;
  CalendarKind kind = Ethiopian;
  bool highlight = false;
  bool ics = false;
};

// Each returns the whole text for standard output, or throws CommandError.
std::string TodayCommand(const Invocation& call);
std::string ConvertCommand(const Invocation& call);
std::string MonthCommand(const Invocation& call);
std::string HolidaysCommand(const Invocation& call);
