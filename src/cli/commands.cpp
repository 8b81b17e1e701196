#include "cli/commands.h"

#include <vector>

#include "calendar/holidays.h"
#include "cli/date_argument.h"
#include "cli/month_text.h"
#include "export/holiday_calendar.h"

namespace {

std::string TwoLines(const DatePair& day) { return std::string(day.Format()) + "\n"; }

// The year the holidays are listed for: the operand, or the current one.
int ListedYear(const Invocation& call) {
  return call.operand ? ReadYear(call.operand, call.kind) : Today().Year(call.kind);
}

std::string HolidayLine(const Holiday& holiday) {
  const DatePair day = DatePair::OfDay(holiday.dayNumber);
  std::string line = day.dates[Ethiopian].FormatNumeric();
  line += '\t';
  line += day.dates[Gregorian].FormatNumeric();
  return line + '\t' + holiday.english + '\t' + HolidayTagText(holiday.tags) + '\n';
}

std::string HolidayList(const std::vector<Holiday>& holidays) {
  std::string text;
  for (const Holiday& holiday : holidays) text += HolidayLine(holiday);
  return text;
}

}  // namespace

std::string TodayCommand(const Invocation&) { return TwoLines(Today()); }

std::string ConvertCommand(const Invocation& call) { return TwoLines(ReadDay(call.operand, call.kind)); }

std::string MonthCommand(const Invocation& call) {
  const DatePair today = Today();
  const DatePair month = call.operand ? ReadMonth(call.operand, call.kind) : today;
  return MonthText(month, call.kind, today, call.highlight);
}

std::string HolidaysCommand(const Invocation& call) {
  const int year = ListedYear(call);
  const std::vector<Holiday> holidays =
      call.kind == Ethiopian ? HolidaysOfEthiopianYear(year) : HolidaysOfGregorianYear(year);
  return call.ics ? HolidayCalendar(holidays) : HolidayList(holidays);
}
