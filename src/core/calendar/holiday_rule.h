#pragma once

#include <cstddef>

#include "core/calendar/calendar_date.h"

// How the holiday tables are written; read only by the holidays' files.

// How a holiday's day is found in Ethiopian year Y; a and b as each rule says.
enum class Rule {
  kEthiopian,  // month a, day b of Y
  kGenna,      // Julian 25 December (GennaDay)
  kFasika,     // a days from Fasika
  kHijri,      // month a, day b of every Hijri year that has the day within Y
  kSundayFrom, // the Sunday among the seven days from month a, day b of Y
};

constexpr int kFirstHolidayYear = 1;
constexpr int kLastHolidayYear = kLastFourDigitYear;

struct HolidayRule {
  Rule rule;
  int a, b;
  const char* english;
  const char* amharic;
  unsigned tags;
  int firstYear = kFirstHolidayYear;  // the Ethiopian years in which it is kept
  int lastYear = kLastHolidayYear;
};

struct HolidayRules {
  const HolidayRule* first;
  std::size_t count;
  const HolidayRule* begin() const { return first; }
  const HolidayRule* end() const { return first + count; }
};

// The church's feasts, in the order that feasts on one day are listed.
HolidayRules ChurchFeastRules();
