#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/calendar/date_pair.h"
#include "core/locale/language_names.h"

// One column of a date line: its text and which side it keeps to.
struct DateColumn {
  std::string text;
  bool right = true;
};
using DateLine = std::vector<DateColumn>;

// How wide a text is drawn, in any unit; the unit of a space included.
using TextWidth = std::function<double(const std::string&)>;

// The date line of day in kind, in the order of style's language: English
// "Tuesday December(12) 8, 2026", Amharic (CLDR's "EEEE d MMMM y")
// "ማክሰኞ 8 ዲሴምበር(12) 2026", the Ethiopian day and year in Ge'ez when asked.
DateLine DateLineOf(const DatePair& day, CalendarKind kind, TextStyle style);

// The date as every surface writes it in prose, one pattern per language,
// CLDR's full date: English "Tuesday, December 8, 2026" ("EEEE, MMMM d, y"),
// Amharic "ማክሰኞ፣ 29 ኅዳር 2019 ዓ.ም." ("EEEE፣ d MMMM y", the Ethiopian year
// marked); the Ethiopian day and year in Ge'ez when asked.
std::string LongDateOf(const DatePair& day, CalendarKind kind, TextStyle style);

// The lines, one column under another: each column as wide as its widest
// text, a narrower one filled with spaces on the side it does not keep to
// (as many as come nearest), the columns a space apart.
std::string AlignedLines(const std::vector<DateLine>& lines, const TextWidth& width);

// The width of UTF-8 text in a terminal: one column a character, Ethiopic
// letters and Ge'ez numerals included.
double TerminalWidth(const std::string& text);
