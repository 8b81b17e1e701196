#include "cli/commands.h"

#include <vector>

#include "core/calendar/holidays.h"
#include "cli/command_error.h"
#include "cli/date_argument.h"
#include "cli/day_text.h"
#include "cli/json_text.h"
#include "cli/month_text.h"
#include "core/export/holiday_calendar.h"

namespace {

// The years the holidays are listed for: the operand, or the current one (and
// the next two for an iCalendar file).
YearRange ListedYears(const Invocation& call) {
  if (call.ics) return CalendarYears(call.operand, call.kind);
  return call.operand ? ReadYears(call.operand, call.kind) : YearsFrom(Today().Year(call.kind), 1, call.kind);
}

std::vector<Holiday> HolidaysOfYears(YearRange years, CalendarKind kind) {
  std::vector<Holiday> holidays;
  for (int year = years.first; year <= years.last; ++year) {
    const std::vector<Holiday> more = kind == Ethiopian ? HolidaysOfEthiopianYear(year) : HolidaysOfGregorianYear(year);
    holidays.insert(holidays.end(), more.begin(), more.end());
  }
  return holidays;
}

// The fasting periods that begin within the years.
std::vector<FastPeriod> FastsOfYears(YearRange years, CalendarKind kind) {
  int firstDay = 0, lastDay = 0;
  DaysOfYears(years, kind, firstDay, lastDay);
  return FastsBeginningBetween(firstDay, lastDay);
}

std::string HolidayLine(const Holiday& holiday, TextStyle style) {
  const DatePair day = DatePair::OfDay(holiday.dayNumber);
  std::string line = day.dates[Ethiopian].NumericText();
  line += '\t';
  line += day.dates[Gregorian].NumericText();
  // The dates stay in digits, so that the fields can be read by programs.
  return line + '\t' + NameIn(holiday, style.language) + '\t' + HolidayTagText(holiday.tags) +
         '\n';
}

std::string HolidayList(const std::vector<Holiday>& holidays, TextStyle style) {
  std::string text;
  for (const Holiday& holiday : holidays) text += HolidayLine(holiday, style);
  return text;
}

std::string Calendar(const std::vector<Holiday>& holidays, const std::vector<FastPeriod>& fasts, Language language) {
  std::string ics, why;
  if (!HolidayCalendar(holidays, fasts, &ics, &why, language)) throw CommandError{"cannot write the iCalendar file: " + why};
  return ics;
}

}  // namespace

// Today's --format writes the calendar named, Ethiopian unless --gregorian.
std::string TodayCommand(const Invocation& call) {
  return DayAnswer(Today(), call, call.kindNamed ? call.kind : Ethiopian);
}

// The day converted is the answer: its --format writes the other calendar.
std::string ConvertCommand(const Invocation& call) {
  return DayAnswer(ReadDay(call.operand, call.kind), call, OtherKind(call.kind));
}

std::string NowCommand(const Invocation& call) { return NowAnswer(call); }

std::string MonthCommand(const Invocation& call) {
  const DatePair today = Today();
  const DatePair month = call.operand ? ReadMonth(call.operand, call.kind) : today;
  if (!call.json) return MonthText(month, call.kind, today, call.highlight, call.style);
  DatePair first = month;
  first.FirstOfMonth(call.kind);
  const int firstDay = first.dates[Gregorian].dayNumber;
  return JsonDays(firstDay, firstDay + first.dates[call.kind].DaysInMonth() - 1, false, call.style) + "\n";
}

std::string HolidaysCommand(const Invocation& call) {
  if (call.fasts && !call.ics) throw CommandError{"--fasts goes with --ics; expected both"};
  if (call.json && call.ics) throw CommandError{"--json and --ics exclude each other; expected one"};
  const YearRange years = ListedYears(call);
  if (call.json) {
    int firstDay = 0, lastDay = 0;
    DaysOfYears(years, call.kind, firstDay, lastDay);
    return JsonDays(firstDay, lastDay, true, call.style) + "\n";
  }
  const std::vector<Holiday> holidays = HolidaysOfYears(years, call.kind);
  if (!call.ics) return HolidayList(holidays, call.style);
  return Calendar(holidays, call.fasts ? FastsOfYears(years, call.kind) : std::vector<FastPeriod>(), call.style.language);
}
