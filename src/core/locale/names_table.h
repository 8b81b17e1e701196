#pragma once

#include "core/calendar/calendar_kind.h"
#include "core/language/language.h"

// What a language other than English calls the months, the days of the week
// and the parts of the day; English keeps the names the calendar core has.
// Every name is static UTF-8 text. Adding a language adds one such table.
struct NamesTable {
  const char* ethiopianMonths[13];
  const char* gregorianMonths[12];
  const char* gregorianMonthsShort[12];
  const char* weekdays[7];       // 0 = Sunday; one name in both calendars
  const char* weekdaysShort[7];
  const char* dayParts[4];       // night, morning, afternoon, evening, as DayPart counts them
  // The date line's order: true for the day before the month ("d MMMM y"),
  // false for the month first ("MMMM d, y").
  bool dayFirst;
  const char* comma;             // after the weekday in a full date
  const char* ethiopianYearMark; // after an Ethiopian year in a full date
};

extern const NamesTable kAmharicNames;

// The language's table; nullptr for English.
const NamesTable* NamesOf(Language language);
