#include "cli/day_text.h"

#include <cstdio>
#include <ctime>
#include <vector>

#include "calendar/clock_source.h"
#include "calendar/holidays.h"
#include "cli/command_error.h"
#include "cli/date_argument.h"
#include "locale/date_format.h"
#include "locale/ethiopian_time.h"

namespace {

// The calendar a format stands for: Ethiopian unless --gregorian was given.
CalendarKind FormatKind(const Invocation& call) { return call.kindNamed ? call.kind : Ethiopian; }

std::string Formatted(const char* format, const Moment& moment) {
  std::string text, bad;
  if (!FormatMoment(format, moment, text, bad)) {
    throw CommandError{"FORMAT " + Quoted(format) + " has " + Quoted(bad) + ", which stands for nothing; expected " +
                       "%Y %m %d %e %B %b %A %a %j %n %t %%" + (moment.hasTime ? " %H %M %S %p" : "")};
  }
  return text + "\n";
}

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string JsonDate(const DatePair& day, CalendarKind kind, TextStyle style) {
  const CalendarDate& date = day.dates[kind];
  return "{\"year\":" + std::to_string(date.year) + ",\"month\":" + std::to_string(date.month) +
         ",\"day\":" + std::to_string(date.day) + ",\"month_name\":" +
         JsonString(MonthNameIn(kind, date.month, style)) + ",\"weekday_name\":" +
         JsonString(WeekdayNameIn(kind, day.Weekday(), style)) + "}";
}

// "public,expected" as ["public","expected"].
std::string JsonTags(const std::string& tags) {
  std::string list;
  for (std::size_t from = 0; from <= tags.size();) {
    std::size_t comma = tags.find(',', from);
    if (comma == std::string::npos) comma = tags.size();
    list += (list.empty() ? "" : ",") + JsonString(tags.substr(from, comma - from));
    from = comma + 1;
  }
  return "[" + list + "]";
}

std::string Json(const DatePair& day, TextStyle style) {
  std::string holidays;
  for (const Holiday& holiday : HolidaysOnDay(day.dates[Gregorian].dayNumber)) {
    holidays += (holidays.empty() ? "{\"name\":" : ",{\"name\":") +
                JsonString(NameIn(holiday, style.language)) +
                ",\"tags\":" + JsonTags(HolidayTagText(holiday.tags)) + "}";
  }
  return "{\"ethiopian\":" + JsonDate(day, Ethiopian, style) + ",\"gregorian\":" + JsonDate(day, Gregorian, style) +
         ",\"holidays\":[" + holidays + "]}\n";
}

}  // namespace

std::string DayAnswer(const DatePair& day, const Invocation& call) {
  if (call.json && call.format) throw CommandError{"--json and --format exclude each other; expected one"};
  if (call.json) return Json(day, call.style);
  if (call.format) return Formatted(call.format, {day, FormatKind(call), call.style});
  return DateLines(day, call.style);
}

std::string DateLines(const DatePair& day, TextStyle style) {
  return (style.language != Language::kEnglish || style.geez ? DateLinesIn(day, style) : day.Text()) + "\n";
}

std::string NowAnswer(const Invocation& call) {
  const std::time_t now = WallClock(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const Moment moment{Today(), Ethiopian, call.style, true, local.tm_hour, local.tm_min, local.tm_sec};
  if (call.format) return Formatted(call.format, moment);
  const EthiopianTime said = EthiopianTimeOf(local.tm_hour);
  // Ge'ez numerals have no zero, so only the Ethiopian hour takes them; the
  // minutes and the Western time keep their digits.
  char text[96];
  std::snprintf(text, sizeof text, "%s:%02d %s (%02d:%02d)\n", NumberIn(said.hour, call.style).c_str(), local.tm_min,
                DayPartName(said.part, call.style.language), local.tm_hour, local.tm_min);
  return text;
}
