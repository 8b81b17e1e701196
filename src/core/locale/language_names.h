#pragma once

#include <string>

#include "core/calendar/calendar_kind.h"
#include "core/language/language.h"
#include "core/locale/names_table.h"

// How a date is to be written: names in a language (English writes the
// Ethiopian ones in Latin letters), numbers in digits or Ge'ez numerals.
struct TextStyle {
  Language language = Language::kEnglish;
  bool geez = false;
};

// The names are static text (UTF-8).
// A month's name: month in [1, 12] Gregorian, [1, 13] Ethiopian. The short
// form is the first three letters of a Latin name in English, or the names
// table's (an Ethiopian month's, in CLDR's Amharic, is its name).
const char* MonthNameIn(CalendarKind kind, int month, TextStyle style, bool shortForm = false);
// A weekday's name: weekday in [0, 6], 0 = Sunday. The short form is "Sun"
// .. "Sat" for Gregorian in English, "ihu" .. "qid" for Ethiopian, and the
// names table's in another language.
const char* WeekdayNameIn(CalendarKind kind, int weekday, TextStyle style, bool shortForm = false);
// number (at least 1) in Ge'ez numerals when style.geez, else in digits.
std::string NumberIn(long long number, TextStyle style);
