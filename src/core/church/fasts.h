#pragma once

#include <array>
#include <vector>

#include "core/calendar/calendar_kind.h"
#include "core/church/church_name.h"

// The fasts of the Ethiopian Orthodox Church in one Ethiopian year.

// A fasting period, first and last day included.
struct FastPeriod {
  int firstDay;  // day number
  int lastDay;   // day number
  const ChurchName* name;  // static
};

constexpr int kFastPeriods = 7;

// What the fasts of a year hang on, reckoned once.
struct ChurchYear {
  int year;
  int fasika;  // day numbers
  int genna;
  int timket;
  std::array<FastPeriod, kFastPeriods> fasts;  // in order of first day
};

// year in [1, 9999]
ChurchYear ReckonChurchYear(int year);
// The name of the fast kept on `dayNumber`, a day of `church`'s year: the
// period that holds it (the eve of Genna rather than Tsome Nebiyat), else
// "Wednesday fast" or "Friday fast", else nullptr.
const ChurchName* FastOnDay(const ChurchYear& church, int dayNumber);
// FastOnDay for `count` days from `firstDay`, all of `church`'s year, into
// fasts[0, count): the periods laid over the weekly fast, in one pass.
void FastsOnDays(const ChurchYear& church, int firstDay, int count, const ChurchName** fasts);
// The fasting periods that begin on a day in [firstDay, lastDay], a stretch
// within the calendars' span, in order of first day.
std::vector<FastPeriod> FastsBeginningBetween(int firstDay, int lastDay);
// The fasting periods that begin in one year of the calendar.
std::vector<FastPeriod> FastsOfYear(int year, CalendarKind kind);
