#include "core/church/day_facts.h"

#include <algorithm>

#include "core/calendar/calendar_date.h"
#include "core/church/commemorations.h"
#include "core/church/fasts.h"

namespace {

constexpr int kDaysInMonth = 30;
constexpr int kDaysBeforePagume = 12 * kDaysInMonth;
constexpr int kLongestYear = 366;

// Pagume's days are not in the monthly round, and say so.
const ChurchName* Commemoration(int dayOfYear) {
  return dayOfYear < kDaysBeforePagume ? CommemorationOfDay(dayOfYear % kDaysInMonth + 1) : &NoCommemorationInPagume();
}

// The facts of the days [from, to) that lie in Ethiopian year `year`.
void AddYear(int year, int from, int to, DaysFacts& facts) {
  const ChurchYear church = ReckonChurchYear(year);
  const std::vector<Holiday> holidays = HolidaysOfEthiopianYear(year);
  auto holiday = std::lower_bound(holidays.begin(), holidays.end(), from,
                                  [](const Holiday& h, int day) { return h.dayNumber < day; });
  const int newYear = CalendarDate(year, 1, 1, Ethiopian).dayNumber;
  const int count = to - from;
  const ChurchName* fasts[kLongestYear];
  FastsOnDays(church, from, count, fasts);
  const std::size_t firstEntry = facts.days.size();
  facts.days.resize(firstEntry + count);
  for (int i = 0; i < count; ++i) {
    const int day = from + i;
    DayFacts& entry = facts.days[firstEntry + i];
    entry = {day, static_cast<int>(facts.holidays.size()), 0, fasts[i], Commemoration(day - newYear)};
    for (; holiday != holidays.end() && holiday->dayNumber == day; ++holiday, ++entry.holidayCount) {
      facts.holidays.push_back(*holiday);
    }
  }
}

}  // namespace

DaysFacts FactsOfDays(int firstDay, int count) {
  DaysFacts facts;
  const int from = std::max(firstDay, kFirstSpanDay);
  const int to = std::min(firstDay + std::max(count, 0), kLastSpanDay + 1);
  if (from >= to) return facts;
  facts.days.reserve(to - from);
  int year = 0, month = 0, day = 0;
  CalendarDate::SplitDayNumber(from, year, month, day, Ethiopian);
  for (int start = from; start < to; ++year) {
    const int next = CalendarDate(year, 1, 1, Ethiopian).dayNumber + CalendarDate::DaysInYear(year, Ethiopian);
    const int end = std::min(next, to);
    AddYear(year, start, end, facts);
    start = end;
  }
  return facts;
}

const DayFacts* FactsOn(const DaysFacts& facts, int dayNumber) {
  if (facts.days.empty()) return nullptr;
  const long offset = static_cast<long>(dayNumber) - facts.days.front().dayNumber;
  return offset >= 0 && offset < static_cast<long>(facts.days.size()) ? &facts.days[offset] : nullptr;
}

std::vector<Holiday> HolidaysIn(const DaysFacts& facts, int dayNumber) {
  const DayFacts* day = FactsOn(facts, dayNumber);
  if (!day) return {};
  const auto first = facts.holidays.begin() + day->firstHoliday;
  return std::vector<Holiday>(first, first + day->holidayCount);
}
