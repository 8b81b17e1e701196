#include "cli/month_text.h"

#include <cstdio>
#include <vector>

#include "calendar/date_names.h"
#include "calendar/holidays.h"
#include "calendar/month_layout.h"

namespace {

// A day is "  29 (20)" and a mark: ten columns, seventy for the week.
constexpr int kCellWidth = 10;
constexpr int kWeekLength = 7;
constexpr int kLineWidth = kCellWidth * kWeekLength;
const char kHolidayMark = '*';
const char kReverseVideo[] = "\033[7m";
const char kPlainVideo[] = "\033[27m";

std::string Centred(const std::string& text) {
  return std::string((kLineWidth - static_cast<int>(text.size())) / 2, ' ') + text + "\n";
}

std::string MonthYear(const DatePair& date, CalendarKind kind) {
  return std::string(MonthName(kind, date.Month(kind))) + " " + std::to_string(date.Year(kind));
}

// The other calendar's months from the first day to the last, one year named
// once when both months share it.
std::string OtherMonths(const DatePair& first, const DatePair& last, CalendarKind other) {
  if (first.Month(other) == last.Month(other)) return MonthYear(first, other);
  if (first.Year(other) == last.Year(other)) {
    return std::string(MonthName(other, first.Month(other))) + " - " + MonthYear(last, other);
  }
  return MonthYear(first, other) + " - " + MonthYear(last, other);
}

std::string Headings(CalendarKind base) {
  std::string line;
  char cell[kCellWidth + 1];
  for (int weekday = 0; weekday < kWeekLength; ++weekday) {
    // Latin names, as the window's grid has them
    std::snprintf(cell, sizeof cell, "%*s ", kCellWidth - 2, ExportWeekdayName(base, weekday, 0));
    line += cell;
  }
  return line;
}

void TrimLine(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  text += '\n';
}

std::string Cell(const MonthDay& day, bool holiday, bool highlighted) {
  char numbers[kCellWidth];
  std::snprintf(numbers, sizeof numbers, "%4d (%2d)", day.baseDay, day.otherDay);
  std::string cell = numbers;
  if (highlighted) {
    cell += kPlainVideo;
    cell.insert(cell.find_first_not_of(' '), kReverseVideo);
  }
  return cell + (holiday ? kHolidayMark : ' ');
}

std::string HolidayLine(const DatePair& day, const Holiday& holiday, CalendarKind base) {
  const CalendarKind other = OtherKind(base);
  char line[256];
  std::snprintf(line, sizeof line, "%c %-9s %2d %-9s %2d  %s [%s]\n", kHolidayMark, MonthName(base, day.Month(base)),
                day.Day(base), MonthName(other, day.Month(other)), day.Day(other), holiday.english,
                HolidayTagText(holiday.tags));
  return line;
}

}  // namespace

std::string MonthText(DatePair date, CalendarKind base, DatePair today, bool highlight) {
  const MonthLayout month = LayOutMonth(date, base);
  DatePair last = month.after;
  last.PrevDay();
  std::string text = Centred(MonthYear(month.first, base)) +
                     Centred(OtherMonths(month.first, last, OtherKind(base)));
  std::string headings = Headings(base);
  TrimLine(headings);
  text += headings;
  std::string row(kCellWidth * month.lead, ' ');
  std::string list;
  DatePair day = month.first;
  for (int i = 0; i < month.count; ++i, day.NextDay()) {
    const std::vector<Holiday> holidays = HolidaysOnDay(day.dates[Gregorian].dayNumber);
    for (const Holiday& holiday : holidays) list += HolidayLine(day, holiday, base);
    row += Cell(month.days[i], !holidays.empty(), highlight && day.SameDay(today));
    if (month.days[i].weekday == kWeekLength - 1 || i == month.count - 1) {
      TrimLine(row);
      text += row;
      row.clear();
    }
  }
  return list.empty() ? text : text + "\n" + list;
}
