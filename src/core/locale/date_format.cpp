#include "core/locale/date_format.h"

#include <cstdio>

#include "core/locale/ethiopian_time.h"

namespace {

std::string Padded(int number, int width, char pad) {
  char text[16];
  std::snprintf(text, sizeof text, pad == '0' ? "%0*d" : "%*d", width, number);
  return text;
}

// A number as a token writes it: at its width, or as it is after "%-".
struct Width {
  int digits;  // 0: as many as the number has
  char pad;
};
constexpr Width kUnpadded{0, '0'};

std::string Padded(int number, Width width) {
  return width.digits ? Padded(number, width.digits, width.pad) : std::to_string(number);
}

// The year, the day and the Ethiopian hour: Ge'ez numerals for an Ethiopian
// number when asked. Ge'ez numerals have no zero, so the month, the two-digit
// year and the minutes, which have their width, keep their digits.
std::string DateNumber(const Moment& moment, int number, Width width) {
  if (moment.style.geez && moment.kind == Ethiopian) return NumberIn(number, moment.style);
  return Padded(number, width);
}

// strftime's composite tokens, as the tokens they stand for.
const char* Composite(char token) {
  switch (token) {
    case 'F': return "%Y-%m-%d";
    case 'D': return "%m/%d/%y";
    default: return nullptr;
  }
}

constexpr int kCentury = 100;
// The year has four digits at least, as date(1) writes it: 0008-08-27.
constexpr int kYearDigits = 4;

int DayOfYear(const CalendarDate& date) { return date.dayNumber - CalendarDate(date.year, 1, 1, date.kind).dayNumber + 1; }

// One date token's text; false when `token` is none. `unpadded` after "%-".
bool DateToken(char token, bool unpadded, const Moment& moment, std::string& text) {
  const CalendarDate& date = moment.day.dates[moment.kind];
  const int weekday = moment.day.Weekday();
  const auto width = [unpadded](int digits, char pad) { return unpadded ? kUnpadded : Width{digits, pad}; };
  switch (token) {
    case 'Y': text += DateNumber(moment, date.year, width(kYearDigits, '0')); break;
    case 'y': text += Padded(date.year % kCentury, width(2, '0')); break;
    case 'm': text += Padded(date.month, width(2, '0')); break;
    case 'd': text += DateNumber(moment, date.day, width(2, '0')); break;
    case 'e': text += DateNumber(moment, date.day, width(2, ' ')); break;
    case 'j': text += Padded(DayOfYear(date), width(3, '0')); break;
    case 'B': text += MonthNameIn(moment.kind, date.month, moment.style); break;
    case 'b': text += MonthNameIn(moment.kind, date.month, moment.style, true); break;
    case 'A': text += WeekdayNameIn(moment.kind, weekday, moment.style); break;
    case 'a': text += WeekdayNameIn(moment.kind, weekday, moment.style, true); break;
    default: return false;
  }
  return true;
}

bool TimeToken(char token, bool unpadded, const Moment& moment, std::string& text) {
  if (!moment.hasTime) return false;
  const EthiopianTime said = EthiopianTimeOf(moment.hour);
  const Width two = unpadded ? kUnpadded : Width{2, '0'};
  switch (token) {
    case 'H': text += DateNumber(moment, said.hour, two); break;
    case 'M': text += Padded(moment.minute, two); break;
    case 'S': text += Padded(moment.second, two); break;
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
    const std::size_t start = at;
    const bool unpadded = at + 1 < format.size() && format[at + 1] == '-';
    at += unpadded ? 2 : 1;
    if (at >= format.size()) {
      bad = format.substr(start);
      return false;
    }
    const char token = format[at];
    std::string part;
    const char* composite = unpadded ? nullptr : Composite(token);
    const bool known = composite ? FormatMoment(composite, moment, part, bad)
                                 : DateToken(token, unpadded, moment, part) ||
                                       TimeToken(token, unpadded, moment, part) || (!unpadded && PlainToken(token, part));
    if (!known) {
      bad = format.substr(start, at - start + 1);
      return false;
    }
    text += part;
  }
  return true;
}

std::string DateLinesIn(const DatePair& day, TextStyle style, const TextWidth& width) {
  return AlignedLines({DateLineOf(day, Gregorian, style), DateLineOf(day, Ethiopian, style)}, width);
}
