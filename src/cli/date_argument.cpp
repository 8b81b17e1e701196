#include "cli/date_argument.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/calendar/date_names.h"
#include "core/calendar/holidays.h"
#include "core/calendar/number_scan.h"
#include "cli/command_error.h"
#include "core/locale/translation.h"

namespace {

// The messages that name a calendar, one catalog entry each, as another language puts its words.
const PerKind<const char*> kNoMonth = {{N_("month %s is no Gregorian month; expected 1 to %s"),
                                        N_("month %s is no Ethiopian month; expected 1 to %s")}};
const PerKind<const char*> kDayOutside = {{N_("%s is outside the calendars' span; expected a Gregorian day from %s"),
                                           N_("%s is outside the calendars' span; expected an Ethiopian day from %s")}};
const PerKind<const char*> kMonthOutside = {
    {N_("%s is outside the calendars' span; expected a Gregorian month from %s"),
     N_("%s is outside the calendars' span; expected an Ethiopian month from %s")}};
const PerKind<const char*> kYearOutside = {
    {N_("year %s is outside the calendars' span; expected a Gregorian year from %s"),
     N_("year %s is outside the calendars' span; expected an Ethiopian year from %s")}};
// The longest month of each calendar.
constexpr PerKind<int> kLongestMonth = {{31, 30}};

// The numbers of a date as read, and as typed for a message.
struct Fields {
  long long values[3];
  std::string typed[3];
};

// Reads up to `wanted` numbers separated by '/', or all by '-' as in ISO
// 8601 (2026-01-07); returns how many were read. `rest` is where reading
// stopped.
int ScanFields(const char* text, Fields& fields, int wanted, const char** rest) {
  TextSource source{text};
  int read = 0;
  char separator = '/';
  for (const char* start = source.at; read < wanted && ScanInt(source, fields.values[read]); start = source.at) {
    while (std::isspace(static_cast<unsigned char>(*start))) ++start;
    fields.typed[read] = std::string(start, source.at);
    ++read;
    if (read == 1 && source.Peek() == '-') separator = '-';
    if (read < wanted && !ScanLiteral(source, separator)) break;
  }
  *rest = source.at;
  return read;
}

bool OnlyBlanksLeft(const char* rest) {
  TextSource source{rest};
  while (source.Peek() != EOF && std::isspace(source.Peek())) source.Next();
  return source.Peek() == EOF;
}

void CheckMonth(const Fields& fields, CalendarKind kind) {
  if (fields.values[1] >= 1 && fields.values[1] <= CalendarDate::LastMonth(kind)) return;
  throw CommandError{Filled(Tr(kNoMonth[kind]), {Quoted(fields.typed[1]), std::to_string(CalendarDate::LastMonth(kind))})};
}

// A first or last day of the span in calendar kind.
CalendarDate SpanEdge(int dayNumber, CalendarKind kind) {
  CalendarDate date;
  date.SetFromDayNumber(dayNumber, kind);
  return date;
}

// The first and the last day of the span, as a message puts them.
std::string SpanDaysText(CalendarKind kind) {
  return Filled(Tr("%s to %s"), {SpanEdge(kFirstSpanDay, kind).NumericText(), SpanEdge(kLastSpanDay, kind).NumericText()});
}

// The first and the last month that lie whole in the span, as "year/month".
std::string SpanMonthsText(CalendarKind kind) {
  CalendarDate first = SpanEdge(kFirstSpanDay, kind), last = SpanEdge(kLastSpanDay, kind);
  if (first.day > 1) first.NextMonth();
  if (last.day < last.DaysInMonth()) last.PrevMonth();
  char from[32], to[32];
  std::snprintf(from, sizeof from, "%04d/%02d", first.year, first.month);
  std::snprintf(to, sizeof to, "%04d/%02d", last.year, last.month);
  return Filled(Tr("%s to %s"), {from, to});
}

bool WholeMonthInSpan(long long year, long long month, CalendarKind kind) {
  if (year < SpanEdge(kFirstSpanDay, kind).year || year > SpanEdge(kLastSpanDay, kind).year) return false;
  CalendarDate day(static_cast<int>(year), static_cast<int>(month), 1, kind);
  if (!CalendarDate::InSpan(day.dayNumber)) return false;
  day.day = static_cast<std::int8_t>(day.DaysInMonth());
  return CalendarDate::InSpan(day.ComputeDayNumber());
}

}  // namespace

DatePair ReadDay(const char* text, CalendarKind kind) {
  Fields read3;
  const long long* fields = read3.values;
  const char* rest;
  if (ScanFields(text, read3, 3, &rest) < 3 || !OnlyBlanksLeft(rest)) {
    throw CommandError{Filled(Tr("%s names no day; expected YEAR/MONTH/DAY, for example 2008/11/29"), {Quoted(text)})};
  }
  CheckMonth(read3, kind);
  if (fields[2] < 1 || fields[2] > kLongestMonth[kind]) {
    throw CommandError{Filled(Tr("day %s is no day of a month; expected 1 to %s"),
                              {Quoted(read3.typed[2]), std::to_string(kLongestMonth[kind])})};
  }
  CalendarDate read;
  const std::string slashed =
      std::to_string(fields[0]) + '/' + std::to_string(fields[1]) + '/' + std::to_string(fields[2]);
  switch (read.ReadText(slashed.c_str(), kind)) {
    case ReadOutcome::kAccepted:
      return DatePair(read.year, read.month, read.day, kind);
    case ReadOutcome::kPastMonthEnd:
      throw CommandError{Filled(Tr("%s is past the end of %s %s; expected a day from 1 to %s"),
                                {Quoted(text), MonthName(kind, read.month), std::to_string(read.year),
                                 std::to_string(CalendarDate(read.year, read.month, 1, kind).DaysInMonth())})};
    case ReadOutcome::kNoDate:
      break;
  }
  throw CommandError{Filled(Tr(kDayOutside[kind]), {Quoted(text), SpanDaysText(kind)})};
}

DatePair ReadMonth(const char* text, CalendarKind kind) {
  Fields read2;
  const long long* fields = read2.values;
  const char* rest;
  if (ScanFields(text, read2, 2, &rest) < 2 || !OnlyBlanksLeft(rest)) {
    throw CommandError{Filled(Tr("%s names no month; expected YEAR/MONTH, for example 2001/3"), {Quoted(text)})};
  }
  CheckMonth(read2, kind);
  if (WholeMonthInSpan(fields[0], fields[1], kind)) {
    return DatePair(static_cast<int>(fields[0]), static_cast<int>(fields[1]), 1, kind);
  }
  throw CommandError{Filled(Tr(kMonthOutside[kind]), {Quoted(text), SpanMonthsText(kind)})};
}

int ReadYear(const char* text, CalendarKind kind) {
  Fields read1;
  const char* rest;
  if (ScanFields(text, read1, 1, &rest) < 1 || !OnlyBlanksLeft(rest)) {
    throw CommandError{Filled(Tr("%s is no year; expected a number, for example 2001"), {Quoted(text)})};
  }
  const long long year = read1.values[0];
  // Years with a day in the span; the holidays of the edge years are those in it.
  const int firstYear = SpanEdge(kFirstSpanDay, kind).year, lastYear = SpanEdge(kLastSpanDay, kind).year;
  if (year < firstYear || year > lastYear) {
    throw CommandError{Filled(Tr(kYearOutside[kind]),
                              {Quoted(read1.typed[0]),
                               Filled(Tr("%s to %s"), {std::to_string(firstYear), std::to_string(lastYear)})})};
  }
  return static_cast<int>(year);
}

YearRange ReadYears(const char* text, CalendarKind kind) {
  const char* dash = text[0] ? std::strchr(text + 1, '-') : nullptr;
  if (!dash) {
    const int year = ReadYear(text, kind);
    return {year, year};
  }
  // "2018-" or "2018--2019" quote what was typed, not an empty or cut year.
  if (!OnlyBlanksLeft(dash + 1) && !std::strchr(dash + 1, '-')) {
    const YearRange years{ReadYear(std::string(text, dash).c_str(), kind), ReadYear(dash + 1, kind)};
    if (years.first <= years.last) return years;
    throw CommandError{Filled(Tr("%s runs backwards; expected FROM-TO with FROM no later than TO, for example 2016-2018"),
                              {Quoted(text)})};
  }
  throw CommandError{Filled(Tr("%s is no year and no range; expected YEAR or FROM-TO, for example 2016-2018"),
                            {Quoted(text)})};
}

YearRange YearsFrom(int year, int count, CalendarKind kind) {
  return {year, std::min(year + count - 1, static_cast<int>(SpanEdge(kLastSpanDay, kind).year))};
}

YearRange CalendarYears(const char* operand, CalendarKind kind) {
  constexpr int kCalendarYears = 3;
  return operand ? ReadYears(operand, kind) : YearsFrom(Today().Year(kind), kCalendarYears, kind);
}

void DaysOfYears(YearRange years, CalendarKind kind, int& firstDay, int& lastDay) {
  firstDay = YearSpan(years.first, kind).first;
  lastDay = YearSpan(years.last, kind).last;
}

DatePair Today() {
  DatePair today;
  today.SetToday(nullptr);
  return today;
}
