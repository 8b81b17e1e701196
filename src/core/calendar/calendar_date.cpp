#include "core/calendar/calendar_date.h"

#include <algorithm>
#include <climits>

#include "core/calendar/clock_source.h"
#include "core/calendar/day_number_forms.h"
#include "core/calendar/floor_division.h"

const PerKind<int> kFirstYear = {{1600, 1600}};
static_assert(day_forms::kEthiopianYearZero == kFirstSpanDay - 365, "Meskerem 1 of year 0 is a year before the span");

const int kDaysBeforeMonth[4][14] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366, 366},
    {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330, 360, 365},
    {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330, 360, 366},
};

const int kGregorianMonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

namespace {

// Leap years in [0, year] less those in [0, -1]: a running count that makes
// any sum of year lengths a difference of two counts.
long long LeapsThrough(long long year, CalendarKind kind) {
  if (kind == Gregorian) return FloorDiv(year, 4) - FloorDiv(year, 100) + FloorDiv(year, 400);
  return FloorDiv(year + 1, 4);
}

long long SumOfYears(long long firstYear, long long lastYear, CalendarKind kind) {
  return 365 * (lastYear - firstYear + 1) + LeapsThrough(lastYear, kind) - LeapsThrough(firstYear - 1, kind);
}

}  // namespace

CalendarDate::CalendarDate(int y, int m, int d, CalendarKind k)
    : year(static_cast<std::int16_t>(y)),
      month(static_cast<std::int8_t>(m)),
      day(static_cast<std::int8_t>(d)),
      kind(k) {
  Recompute();
}

int CalendarDate::IsLeapYear(int y, CalendarKind k) {
  // Divisible by 4, and not by 100 unless by 400; the cheap test first.
  if (k == Gregorian) return (y & 3) == 0 && (y % 100 != 0 || y % 400 == 0);
  return ((y + 1) & 3) == 0;
}

int CalendarDate::DaysInYear(int y, CalendarKind k) { return 365 + IsLeapYear(y, k); }

int CalendarDate::DaysInYears(int firstYear, int lastYear, CalendarKind k) {
  if (lastYear < firstYear) return 0;
  return static_cast<int>(SumOfYears(firstYear, lastYear, k));
}

long long CalendarDate::YearStart(int y, CalendarKind k) {
  const int first = kFirstYear[k];
  const long long offset = k == Ethiopian ? kEthiopianOffset : 0;
  if (y >= first) return offset + SumOfYears(first, y - 1LL, k);
  return offset - SumOfYears(y, first - 1LL, k);
}

int CalendarDate::DaysInMonth() const {
  if (kind == Gregorian) return month == 2 ? 28 + IsLeapYear(year, kind) : kGregorianMonthLengths[month];
  return month == 13 ? 5 + IsLeapYear(year, kind) : 30;
}

int CalendarDate::DayNumberByTable() {
  dayNumber = static_cast<std::int32_t>(
      YearStart(year, kind) + kDaysBeforeMonth[KindIndex(kind) * 2 + IsLeapYear(year, kind)][month - 1] + day);
  return dayNumber;
}

int CalendarDate::Recompute() {
  ComputeDayNumber();
  return ComputeWeekday();
}

void CalendarDate::SplitDayOfYear(int dayOfYear, int leap, int& m, int& d, CalendarKind k) {
  const int* row = kDaysBeforeMonth[KindIndex(k) * 2 + leap];
  // No month is longer than 31 days, nor do the months before it fall short
  // of 31 days each by more than one month's length: one step corrects the guess.
  m = std::min((dayOfYear - 1) / 31 + 1, 13);
  if (m < 13 && dayOfYear > row[m]) ++m;
  d = dayOfYear - row[m - 1];
}

void CalendarDate::SetFromTm(const std::tm& time) {
  year = static_cast<std::int16_t>(time.tm_year + 1900);
  month = static_cast<std::int8_t>(time.tm_mon + 1);
  day = static_cast<std::int8_t>(time.tm_mday);
  kind = Gregorian;
  Recompute();
}

// A clock whose year the 16-bit field cannot hold, or that the C library
// cannot even break down, gives the span's nearest end.
CalendarDate& CalendarDate::SetToday(std::FILE* report) {
  const std::time_t now = WallClock(nullptr);
  std::tm local{};
  const bool broken = localtime_r(&now, &local) != nullptr;
  if (report) {
    char text[64] = "a time beyond any calendar\n";
    if (broken) std::strftime(text, sizeof text, "%a %b %e %H:%M:%S %Y\n", &local);  // as ctime writes it
    std::fprintf(report, "Today is %s", text);
  }
  const long long year = broken ? local.tm_year + 1900LL : (now < 0 ? LLONG_MIN : LLONG_MAX);
  if (year < kFirstSpanYear || year > kLastSpanYear) {
    SetFromDayNumber(year < kFirstSpanYear ? kFirstSpanDay : kLastSpanDay, Gregorian);
  } else {
    SetFromTm(local);
  }
  return *this;
}

void CalendarDate::FirstOfMonth() {
  day = 1;
  Recompute();
}

CalendarDate& CalendarDate::NextDay() {
  if (day < DaysInMonth()) {
    ++day;
  } else {
    day = 1;
    if (month == LastMonth(kind)) {
      month = 1;
      ++year;
    } else {
      ++month;
    }
  }
  weekday = static_cast<std::int8_t>((weekday + 1) % 7);
  ++dayNumber;
  return *this;
}

CalendarDate& CalendarDate::PrevDay() {
  if (day > 1) {
    --day;
  } else {
    if (month == 1) {
      --year;
      month = static_cast<std::int8_t>(LastMonth(kind));
    } else {
      --month;
    }
    day = static_cast<std::int8_t>(DaysInMonth());
  }
  weekday = static_cast<std::int8_t>((weekday + 6) % 7);
  --dayNumber;
  return *this;
}

void CalendarDate::ClampDay() { day = static_cast<std::int8_t>(std::min<int>(day, DaysInMonth())); }

int CalendarDate::NextMonth() {
  if (month == LastMonth(kind)) {
    month = 1;
    ++year;
  } else {
    ++month;
  }
  ClampDay();
  return Recompute();
}

int CalendarDate::PrevMonth() {
  if (month == 1) {
    month = static_cast<std::int8_t>(LastMonth(kind));
    --year;
  } else {
    --month;
  }
  ClampDay();
  return Recompute();
}

int CalendarDate::NextYear() {
  ++year;
  ClampDay();
  return Recompute();
}

int CalendarDate::PrevYear() {
  --year;
  ClampDay();
  return Recompute();
}
