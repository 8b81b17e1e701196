#include "cli/month_text.h"

#include <algorithm>
#include <vector>

#include "core/calendar/date_names.h"
#include "core/calendar/holidays.h"
#include "core/calendar/month_layout.h"
#include "core/church/day_facts.h"
#include "cli/day_text.h"

namespace {

// A day is "  29 (20)" and a mark: ten columns, seventy for the week.
constexpr int kCellWidth = 10;
constexpr int kWeekLength = 7;
constexpr int kLineWidth = kCellWidth * kWeekLength;
const char kHolidayMark = '*';
// A feast or fast of the church that is no day off, apart as in the window.
const char kChurchDayMark = '+';

char Mark(const Holiday& holiday) { return ChurchDayOnly(holiday) ? kChurchDayMark : kHolidayMark; }

// A day off's mark wins over the church's; ' ' for a day without holidays.
char DayMark(const std::vector<Holiday>& holidays) {
  char mark = ' ';
  for (const Holiday& holiday : holidays) mark = mark == kHolidayMark ? mark : Mark(holiday);
  return mark;
}
constexpr int kMonthNameWidth = 9;
const char kReverseVideo[] = "\033[7m";
const char kPlainVideo[] = "\033[27m";

// The columns a text takes on a terminal: one for each character, Ethiopic
// ones included.
int Width(const std::string& text) {
  int width = 0;
  for (char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return width;
}

std::string PadLeft(const std::string& text, int width) {
  return std::string(std::max(width - Width(text), 0), ' ') + text;
}

std::string PadRight(const std::string& text, int width) {
  return text + std::string(std::max(width - Width(text), 0), ' ');
}

std::string Centred(const std::string& text) { return std::string((kLineWidth - Width(text)) / 2, ' ') + text + "\n"; }

// The month's names and numbers as the style has them.
struct Words {
  TextStyle style;
  std::string Month(CalendarKind kind, int month) const { return MonthNameIn(kind, month, style); }
  std::string Number(CalendarKind kind, int number) const {
    return kind == Ethiopian ? NumberIn(number, style) : std::to_string(number);
  }
};

std::string MonthYear(const DatePair& date, CalendarKind kind, const Words& words) {
  return words.Month(kind, date.Month(kind)) + " " + words.Number(kind, date.Year(kind));
}

// The other calendar's months from the first day to the last, one year named
// once when both months share it.
std::string OtherMonths(const DatePair& first, const DatePair& last, CalendarKind other, const Words& words) {
  if (first.Month(other) == last.Month(other)) return MonthYear(first, other, words);
  if (first.Year(other) == last.Year(other)) {
    return words.Month(other, first.Month(other)) + " - " + MonthYear(last, other, words);
  }
  return MonthYear(first, other, words) + " - " + MonthYear(last, other, words);
}

std::string Headings(CalendarKind base, const Words& words) {
  std::string line;
  for (int weekday = 0; weekday < kWeekLength; ++weekday) {
    // The grid's short names, over the cell's numbers; the mark's column
    // stays blank.
    const std::string name =
        words.style.language != Language::kEnglish ? WeekdayNameIn(base, weekday, words.style) : ExportWeekdayName(base, weekday, 0);
    line += PadLeft(name, kCellWidth - 1) + ' ';
  }
  return line;
}

void TrimLine(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  text += '\n';
}

std::string Cell(const MonthDay& day, CalendarKind base, char mark, bool highlighted, const Words& words) {
  std::string cell = PadLeft(words.Number(base, day.baseDay), 4) + " (" +
                     PadLeft(words.Number(OtherKind(base), day.otherDay), 2) + ")";
  if (highlighted) {
    cell += kPlainVideo;
    cell.insert(cell.find_first_not_of(' '), kReverseVideo);
  }
  return cell + mark;
}

std::string HolidayLine(const DatePair& day, const Holiday& holiday, CalendarKind base, const Words& words) {
  std::string line(1, Mark(holiday));
  for (CalendarKind kind : {base, OtherKind(base)}) {
    line += ' ' + PadRight(words.Month(kind, day.Month(kind)), kMonthNameWidth) + ' ' +
            PadLeft(words.Number(kind, day.Day(kind)), 2);
  }
  return line + "  " + NameIn(holiday, words.style.language) + " [" + TagsIn(holiday.tags, words.style.language) +
         "]\n";
}

}  // namespace

std::string MonthText(DatePair date, CalendarKind base, DatePair today, bool highlight, TextStyle style) {
  const Words words{style};
  const MonthLayout month = LayOutMonth(date, base);
  DatePair last = month.after;
  last.PrevDay();
  std::string text = Centred(MonthYear(month.first, base, words)) +
                     Centred(OtherMonths(month.first, last, OtherKind(base), words));
  std::string headings = Headings(base, words);
  TrimLine(headings);
  text += headings;
  std::string row(kCellWidth * month.lead, ' ');
  std::string list;
  DatePair day = month.first;
  const DaysFacts facts = FactsOfDays(day.dates[Gregorian].dayNumber, month.count);  // one query for the month
  for (int i = 0; i < month.count; ++i, day.NextDay()) {
    const std::vector<Holiday> holidays = HolidaysIn(facts, day.dates[Gregorian].dayNumber);
    for (const Holiday& holiday : holidays) list += HolidayLine(day, holiday, base, words);
    row += Cell(month.days[i], base, DayMark(holidays), highlight && day.SameDay(today), words);
    if (month.days[i].weekday == kWeekLength - 1 || i == month.count - 1) {
      TrimLine(row);
      text += row;
      row.clear();
    }
  }
  return list.empty() ? text : text + "\n" + list;
}
