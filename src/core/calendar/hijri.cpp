#include "core/calendar/hijri.h"

#include "core/calendar/floor_division.h"
#include "core/calendar/umalqura_table.h"

namespace {

// 1 Muharram of year 1 of the tabular calendar: Friday 16 July 622 (Julian).
constexpr int kCivilEpoch = -357007;
// The tabular calendar: 11 leap years (355 days) in a cycle of 30 years.
constexpr int kDaysIn30Years = 10631;

int CivilDayNumber(int year, int month, int day) {
  // Months alternate 30 and 29 days; the leap day ends the year.
  const int leapDays = static_cast<int>(FloorDiv(3 + 11 * year, 30));
  return kCivilEpoch + 354 * (year - 1) + leapDays + 29 * (month - 1) + month / 2 + day - 1;
}

}  // namespace

int HijriDayNumber(int year, int month, int day) {
  if (year < kUmmAlQuraFirstYear || year > kUmmAlQuraLastYear) return CivilDayNumber(year, month, day);
  const UmmAlQuraYear& entry = kUmmAlQuraYears[year - kUmmAlQuraFirstYear];
  int dayNumber = entry.firstDay + 29 * (month - 1) + day - 1;
  for (int m = 0; m < month - 1; ++m) dayNumber += (entry.longMonths >> m) & 1;
  return dayNumber;
}

int ApproximateHijriYear(int dayNumber) {
  return static_cast<int>(FloorDiv(30 * (dayNumber - kCivilEpoch) + 10646, kDaysIn30Years));
}
