#include "cli/json_text.h"

#include <algorithm>
#include <cstdio>

#include "core/calendar/date_pair.h"

namespace {

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

std::string JsonName(const ChurchName* name, TextStyle style) {
  return name ? JsonString(NameIn(*name, style.language)) : "null";
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < ' ') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
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

std::string JsonDay(const DaysFacts& facts, const DayFacts& day, TextStyle style) {
  const DatePair date = DatePair::OfDay(day.dayNumber);
  std::string holidays;
  for (int h = day.firstHoliday; h < day.firstHoliday + day.holidayCount; ++h) {
    const Holiday& holiday = facts.holidays[h];
    holidays += (holidays.empty() ? "{\"name\":" : ",{\"name\":") + JsonString(NameIn(holiday, style.language)) +
                ",\"tags\":" + JsonTags(HolidayTagText(holiday.tags)) + "}";
  }
  return "{\"ethiopian\":" + JsonDate(date, Ethiopian, style) + ",\"gregorian\":" + JsonDate(date, Gregorian, style) +
         ",\"holidays\":[" + holidays + "],\"fast\":" + JsonName(day.fast, style) +
         ",\"commemoration\":" + JsonName(day.commemoration, style) + "}";
}

std::string JsonDayOf(int dayNumber, TextStyle style) {
  const DaysFacts facts = FactsOfDays(dayNumber, 1);
  return facts.days.empty() ? "null" : JsonDay(facts, facts.days.front(), style);
}

void WriteJsonDays(int firstDay, int lastDay, bool holidaysOnly, TextStyle style, Output& out) {
  bool first = true;
  out.Write("[");
  for (int from = firstDay; from <= lastDay; from += kChunkDays) {
    const DaysFacts facts = FactsOfDays(from, std::min(kChunkDays, lastDay - from + 1));
    for (const DayFacts& day : facts.days) {
      if (holidaysOnly && day.holidayCount == 0) continue;
      out.Write(first ? "" : ",");
      out.Write(JsonDay(facts, day, style));
      first = false;
    }
  }
  out.Write("]\n");
}
