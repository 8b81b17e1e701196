#include "core/locale/date_lines.h"

#include <algorithm>
#include <cmath>

namespace {

// "(12)": the month's number, in digits in every script, Ge'ez having no
// numerals for a number that is a position.
std::string MonthColumn(const CalendarDate& date, TextStyle style) {
  return std::string(MonthNameIn(date.kind, date.month, style)) + "(" + std::to_string(date.month) + ")";
}

// The Ethiopian day and year in Ge'ez when asked; the Gregorian ones in digits.
std::string NumberColumn(int number, CalendarKind kind, TextStyle style) {
  return kind == Ethiopian ? NumberIn(number, style) : std::to_string(number);
}

}  // namespace

DateLine DateLineOf(const DatePair& day, CalendarKind kind, TextStyle style) {
  const CalendarDate& date = day.dates[kind];
  const DateColumn weekday{WeekdayNameIn(kind, date.weekday, style)};
  const DateColumn month{MonthColumn(date, style)};
  const std::string dayNumber = NumberColumn(date.day, kind, style);
  const DateColumn year{NumberColumn(date.year, kind, style)};
  const NamesTable* names = NamesOf(style.language);
  if (names && names->dayFirst) return {weekday, {dayNumber}, month, year};
  return {weekday, month, {dayNumber + ","}, year};
}

std::string LongDateOf(const DatePair& day, CalendarKind kind, TextStyle style) {
  const CalendarDate& date = day.dates[kind];
  const std::string weekday = WeekdayNameIn(kind, date.weekday, style);
  const std::string month = MonthNameIn(kind, date.month, style);
  const std::string dayNumber = NumberColumn(date.day, kind, style);
  const std::string year = NumberColumn(date.year, kind, style);
  const NamesTable* names = NamesOf(style.language);
  if (!names) return weekday + ", " + month + " " + dayNumber + ", " + year;
  const std::string mark = kind == Ethiopian ? std::string(" ") + names->ethiopianYearMark : "";
  return weekday + names->comma + " " + dayNumber + " " + month + " " + year + mark;
}

std::string AlignedLines(const std::vector<DateLine>& lines, const TextWidth& width) {
  std::vector<double> widest;
  for (const DateLine& line : lines) {
    widest.resize(std::max(widest.size(), line.size()));
    for (std::size_t c = 0; c < line.size(); ++c) widest[c] = std::max(widest[c], width(line[c].text));
  }
  const double space = width(" ");
  std::string text;
  for (const DateLine& line : lines) {
    if (!text.empty()) text += '\n';
    for (std::size_t c = 0; c < line.size(); ++c) {
      const std::string fill(std::lround((widest[c] - width(line[c].text)) / space), ' ');
      text += (c ? " " : "") + (line[c].right ? fill + line[c].text : line[c].text + fill);
    }
  }
  return text;
}

double TerminalWidth(const std::string& text) {
  // Every byte that does not continue a UTF-8 sequence starts a character.
  return static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}
