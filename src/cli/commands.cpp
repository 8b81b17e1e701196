#include "cli/commands.h"

#include <vector>

#include "core/calendar/holidays.h"
#include "cli/calendar_files.h"
#include "cli/command_error.h"
#include "core/locale/translation.h"
#include "cli/date_argument.h"
#include "cli/day_text.h"
#include "cli/json_text.h"
#include "cli/month_text.h"
#include "cli/user_days.h"

namespace {

// The years the holidays are listed for: the operand, or the current one (and
// the next two for an iCalendar file).
YearRange ListedYears(const Invocation& call) {
  if (call.ics) return CalendarYears(call.operand, call.kind);
  return call.operand ? ReadYears(call.operand, call.kind) : YearsFrom(Today().Year(call.kind), 1, call.kind);
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

void MonthCommand(const Invocation& call, Output& out) {
  const DatePair today = Today();
  const DatePair month = call.operand ? ReadMonth(call.operand, call.kind) : today;
  if (!call.json) return out.Write(MonthText(month, call.kind, today, call.highlight, call.style));
  DatePair first = month;
  first.FirstOfMonth(call.kind);
  const int firstDay = first.dates[Gregorian].dayNumber;
  WriteJsonDays(firstDay, firstDay + first.dates[call.kind].DaysInMonth() - 1, false, call.style, out);
}

// A year at a time, in every form: a range of thousands is written as it is worked out.
void HolidaysCommand(const Invocation& call, Output& out) {
  if ((call.fasts || !call.remind.empty()) && !call.ics) {
    throw CommandError{Filled(Tr(kGoesWith), {call.fasts ? "--fasts" : "--remind", "--ics"})};
  }
  if (call.json && call.ics) throw CommandError{Filled(Tr(kExclude), {"--json", "--ics"})};
  const YearRange years = ListedYears(call);
  if (call.ics) {
    return WriteHolidayCalendar(years, call.kind, call.fasts, {call.style.language, ReadReminders(call.remind)}, out);
  }
  if (call.json) {
    int firstDay = 0, lastDay = 0;
    DaysOfYears(years, call.kind, firstDay, lastDay);
    return WriteJsonDays(firstDay, lastDay, true, call.style, out);
  }
  for (int year = years.first; year <= years.last; ++year) {
    for (const Holiday& holiday : HolidaysOfYear(year, call.kind)) out.Write(HolidayLine(holiday, call.style));
  }
}
