// The user's days with 10,000 of them in the file: loading the file, a
// month's marks for the grid (six weeks of occurrences), and every day's
// next date for the list; and a start with no file at all.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "core/calendar/calendar_date.h"
#include "core/days/day_store.h"
#include "core/days/occurrences.h"

namespace {

constexpr int kDays = 10000;
constexpr int kGridDays = 42;  // six weeks

// A file of kDays days with every repeat, names and notes of usual length,
// written once into a folder of its own.
const std::string& TenThousandDays() {
  static const std::string path = [] {
    char folder[] = "/tmp/zelmora-days-bench-XXXXXX";
    if (!mkdtemp(folder)) std::abort();
    DaysFile file;
    const Repeat repeats[] = {Repeat::kEthiopianYear, Repeat::kEthiopianMonth, Repeat::kGregorianYear,
                              Repeat::kOnce, Repeat::kMemorial};
    for (int i = 0; i < kDays; ++i) {
      UserDay day;
      day.uid = NewUid();
      day.name = "Birthday of a friend, number " + std::to_string(i);
      day.note = i % 3 ? "" : "Call in the morning; bring bread, coffee and flowers";
      day.start = CalendarDate(1950 + i % 70, i % 13 + 1, i % 5 + 1, Ethiopian).dayNumber;
      day.repeat = repeats[i % 5];
      file.days.push_back(day);
    }
    std::string why;
    const std::string days = std::string(folder) + "/days.ics";
    DayStore store(days);
    int added = 0;
    if (!store.AddAll(file.days, &added, &why)) std::abort();
    return days;
  }();
  return path;
}

void BM_LoadTenThousandDays(benchmark::State& state) {
  DayStore store(TenThousandDays());
  for (auto _ : state) {
    if (!store.Load(nullptr)) state.SkipWithError("the file could not be read");
    benchmark::DoNotOptimize(store.Days().data());
  }
  state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(BM_LoadTenThousandDays)->Unit(benchmark::kMillisecond);

void BM_LoadNoFile(benchmark::State& state) {
  DayStore store("/tmp/zelmora-days-bench-no-such-folder/days.ics");
  for (auto _ : state) benchmark::DoNotOptimize(store.Load(nullptr));
}
BENCHMARK(BM_LoadNoFile);

void BM_MonthMarks(benchmark::State& state) {
  DayStore store(TenThousandDays());
  store.Load(nullptr);
  const int32_t first = CalendarDate(2019, 3, 1, Ethiopian).dayNumber;
  for (auto _ : state) benchmark::DoNotOptimize(OccurrencesBetween(store.Days(), first, first + kGridDays - 1));
}
BENCHMARK(BM_MonthMarks)->Unit(benchmark::kMicrosecond);

void BM_EveryNextDate(benchmark::State& state) {
  DayStore store(TenThousandDays());
  store.Load(nullptr);
  const int32_t today = CalendarDate(2019, 3, 29, Ethiopian).dayNumber;
  for (auto _ : state) {
    benchmark::DoNotOptimize(NextOccurrences(store.Days(), today));  // as every list asks
  }
}
BENCHMARK(BM_EveryNextDate)->Unit(benchmark::kMicrosecond);

}  // namespace
