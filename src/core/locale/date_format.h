#pragma once

#include <string>

#include "core/calendar/date_pair.h"
#include "core/locale/date_lines.h"
#include "core/locale/language_names.h"

// A day, and with `hasTime` a time of day, as a format writes it.
struct Moment {
  DatePair day;
  CalendarKind kind = Ethiopian;  // the calendar the date tokens stand for
  TextStyle style;
  bool hasTime = false;
  int hour = 0, minute = 0, second = 0;  // Western, hour in [0, 23]
};

// Writes `format` with strftime's tokens: %Y year (four digits at least, as
// date(1) writes 0008), %y its last two digits,
// %m month and %d day (two digits), %e day (space-padded), %F (%Y-%m-%d),
// %D (%m/%d/%y), %B and %b month name (and short), %A and %a weekday name
// (and short), %j day of the year (three digits), %n, %t and %%. With a time,
// %H (Ethiopian hour, two digits), %M, %S and %p (the part of the day). A "-"
// after the "%" of a number leaves out its padding (%-d, %-m). Ge'ez
// numerals replace the year and day of an Ethiopian date, unpadded. On a
// token it does not know, returns false and names it in `bad` (as "%q",
// "%-q", or what is left of the format after its last "%").
bool FormatMoment(const std::string& format, const Moment& moment, std::string& text, std::string& bad);

// The two date lines, Gregorian first, with the names and numbers of
// `style`, their columns lined up as `width` measures them.
std::string DateLinesIn(const DatePair& day, TextStyle style, const TextWidth& width = TerminalWidth);
