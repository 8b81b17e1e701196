#include "locale/date_format.h"

#include <cstdio>

#include "locale/ethiopian_time.h"

namespace {

std::string Padded(int number, int width, char pad) {
  char text[16];
  std::snprintf(text, sizeof text, pad == '0' ? "%0*d" : "%*d", width, number);
  return text;
}

// The year, the day and the Ethiopian hour: Ge'ez numerals for an Ethiopian
// number when asked. Ge'ez numerals have no zero, so the month and the
// minutes, which have their width, keep their digits.
std::string DateNumber(const Moment& moment, int number, int width, char pad) {
  if (moment.style.geez && moment.kind == Ethiopian) return NumberIn(number, moment.style);
  return width ? Padded(number, width, pad) : std::to_string(number);
}

int DayOfYear(const CalendarDate& date) { return date.dayNumber - CalendarDate(date.year, 1, 1, date.kind).dayNumber + 1; }

// One date token's text; false when `token` is none.
bool DateToken(char token, const Moment& moment, std::string& text) {
  const CalendarDate& date = moment.day.dates[moment.kind];
  const int weekday = moment.day.Weekday();
  switch (token) {
    case 'Y': text += DateNumber(moment, date.year, 0, '0'); break;
    case 'm': text += Padded(date.month, 2, '0'); break;
    case 'd': text += DateNumber(moment, date.day, 2, '0'); break;
    case 'e': text += DateNumber(moment, date.day, 2, ' '); break;
    case 'j': text += Padded(DayOfYear(date), 3, '0'); break;
    case 'B': text += MonthNameIn(moment.kind, date.month, moment.style); break;
    case 'b': text += MonthNameIn(moment.kind, date.month, moment.style, true); break;
    case 'A': text += WeekdayNameIn(moment.kind, weekday, moment.style); break;
    case 'a': text += WeekdayNameIn(moment.kind, weekday, moment.style, true); break;
    default: return false;
  }
  return true;
}

bool TimeToken(char token, const Moment& moment, std::string& text) {
  if (!moment.hasTime) return false;
  const EthiopianTime said = EthiopianTimeOf(moment.hour);
  switch (token) {
    case 'H': text += DateNumber(moment, said.hour, 2, '0'); break;
    case 'M': text += Padded(moment.minute, 2, '0'); break;
    case 'S': text += Padded(moment.second, 2, '0'); break;
    case 'p': text += DayPartName(said.part, moment.style.language); break;
    default: return false;
  }
  return true;
}

bool PlainToken(char token, std::string& text) {
  switch (token) {
    case 'n': text += '\n'; break;
    case 't': text += '\t'; break;
    case '%': text += '%'; break;
    default: return false;
  }
  return true;
}

}  // namespace

bool FormatMoment(const std::string& format, const Moment& moment, std::string& text, std::string& bad) {
  text.clear();
  for (std::size_t at = 0; at < format.size(); ++at) {
    if (format[at] != '%') {
      text += format[at];
      continue;
    }
    if (++at == format.size()) {
      bad = "%";
      return false;
    }
    const char token = format[at];
    if (!DateToken(token, moment, text) && !TimeToken(token, moment, text) && !PlainToken(token, text)) {
      bad = std::string("%") + token;
      return false;
    }
  }
  return true;
}

std::string DateLinesIn(const DatePair& day, TextStyle style) {
  std::string lines, line, bad;
  for (CalendarKind kind : {Gregorian, Ethiopian}) {
    FormatMoment("%A %B(%m) %e, %Y", {day, kind, style}, line, bad);
    lines += (lines.empty() ? "" : "\n") + line;
  }
  return lines;
}
