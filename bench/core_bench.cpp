// Conversions between day numbers and the two calendars, and the two-line
// text, for days in 1600, 2000 and 9999; a closed-form reference and ICU's
// conversion as peers; all
// holidays of one Ethiopian year (target: under 2 microseconds); and every
// day's holidays, fast and commemoration of a year.
#include <benchmark/benchmark.h>
#include <unicode/ucal.h>

#include "core/calendar/date_pair.h"
#include "closed_form_reference.h"
#include "core/calendar/holidays.h"
#include "core/church/day_facts.h"

namespace {

int DayInYear(int year) { return CalendarDate(year, 6, 15, Gregorian).dayNumber; }

void BM_DayNumberToBoth(benchmark::State& state) {
  int n = DayInYear(static_cast<int>(state.range(0)));
  DatePair pair;
  for (auto _ : state) {
    pair.dates[Gregorian].SetFromDayNumber(n, Gregorian);
    pair.dates[Ethiopian].SetFromDayNumber(n, Ethiopian);
    benchmark::DoNotOptimize(pair);
    n ^= 1;  // keep the compiler from hoisting the work
  }
}
BENCHMARK(BM_DayNumberToBoth)->Arg(1600)->Arg(2000)->Arg(9999);

// The reference must give the core's answers, every day of the span, for its
// figures to be a peer's.
bool ReferenceAgrees() {
  static const bool agrees = [] {
    for (int n = kFirstSpanDay; n <= kLastSpanDay; ++n) {
      const DatePair pair = DatePair::OfDay(n);
      for (CalendarKind kind : {Gregorian, Ethiopian}) {
        const CalendarDate& date = pair.dates[kind];
        const reference::Fields f = kind == Gregorian ? reference::Gregorian(n) : reference::Ethiopian(n);
        const long long back = kind == Gregorian ? reference::FromGregorian(f.year, f.month, f.day)
                                                 : reference::FromEthiopian(f.year, f.month, f.day);
        if (f.year != date.year || f.month != date.month || f.day != date.day || f.weekday != date.weekday ||
            back != n) {
          return false;
        }
      }
    }
    return true;
  }();
  return agrees;
}

void BM_ReferenceDayNumberToBoth(benchmark::State& state) {
  if (!ReferenceAgrees()) state.SkipWithError("the reference disagrees with the core");
  int n = DayInYear(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(reference::Gregorian(n));
    benchmark::DoNotOptimize(reference::Ethiopian(n));
    n ^= 1;
  }
}
BENCHMARK(BM_ReferenceDayNumberToBoth)->Arg(1600)->Arg(2000)->Arg(9999);

void BM_ReferenceFieldsToDayNumber(benchmark::State& state) {
  if (!ReferenceAgrees()) state.SkipWithError("the reference disagrees with the core");
  const bool ethiopian = state.range(1) != 0;
  reference::Fields date = {static_cast<int>(state.range(0)), 6, 15, 0};
  for (auto _ : state) {
    date.day ^= 1;
    benchmark::DoNotOptimize(date);  // read from memory, as the core's fields are
    benchmark::DoNotOptimize(ethiopian ? reference::FromEthiopian(date.year, date.month, date.day)
                                       : reference::FromGregorian(date.year, date.month, date.day));
  }
}
BENCHMARK(BM_ReferenceFieldsToDayNumber)->ArgsProduct({{1600, 2000, 9999}, {0, 1}});

void BM_FieldsToDayNumber(benchmark::State& state) {
  CalendarDate date(static_cast<int>(state.range(0)), 6, 15, state.range(1) ? Ethiopian : Gregorian);
  for (auto _ : state) {
    date.day = static_cast<std::int8_t>(date.day ^ 1);
    benchmark::DoNotOptimize(date);  // read from memory, as the reference's fields are
    benchmark::DoNotOptimize(date.ComputeDayNumber());
  }
}
BENCHMARK(BM_FieldsToDayNumber)->ArgsProduct({{1600, 2000, 9999}, {0, 1}});

void BM_PairFormat(benchmark::State& state) {
  const DatePair pair(static_cast<int>(state.range(0)), 6, 15, Gregorian);
  for (auto _ : state) benchmark::DoNotOptimize(pair.Format());
}
BENCHMARK(BM_PairFormat)->Arg(1600)->Arg(2000)->Arg(9999);

// 1600 and 9999 are reckoned by the tabular Islamic calendar, 2016 by the table.
void BM_HolidaysOfEthiopianYear(benchmark::State& state) {
  int year = static_cast<int>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(HolidaysOfEthiopianYear(year));
    year ^= 1;
  }
}
BENCHMARK(BM_HolidaysOfEthiopianYear)->Arg(1600)->Arg(2016)->Arg(9998);

// The holidays, fast and commemoration of every day of an Ethiopian year, by
// the query the month grid and page use (target: under 5 microseconds).
void BM_FactsOfEthiopianYear(benchmark::State& state) {
  const int year = static_cast<int>(state.range(0));
  const int first = CalendarDate(year, 1, 1, Ethiopian).dayNumber;
  const int days = CalendarDate::DaysInYear(year, Ethiopian);
  for (auto _ : state) benchmark::DoNotOptimize(FactsOfDays(first, days));
}
BENCHMARK(BM_FactsOfEthiopianYear)->Arg(1600)->Arg(2016)->Arg(9998);

// ICU's ethiopic calendar from a time to its fields, the same work as one
// day number to one calendar.
void BM_IcuDayToEthiopic(benchmark::State& state) {
  UErrorCode status = U_ZERO_ERROR;
  UCalendar* cal = ucal_open(u"UTC", -1, "en@calendar=ethiopic", UCAL_DEFAULT, &status);
  double millis = (DayInYear(static_cast<int>(state.range(0))) + 2305447.0 - 2440588.0) * 86400000.0;
  for (auto _ : state) {
    ucal_setMillis(cal, millis, &status);
    benchmark::DoNotOptimize(ucal_get(cal, UCAL_DATE, &status));
    millis += 86400000.0;
  }
  ucal_close(cal);
}
BENCHMARK(BM_IcuDayToEthiopic)->Arg(1600)->Arg(2000)->Arg(9999);

}  // namespace
