#include "core/days/occurrences.h"

#include <algorithm>

#include "core/days/memorial.h"
#include "core/days/repeat_dates.h"
#include "core/memory/pages.h"

namespace {

using repeat_dates::Fields;

// The days asked about, with their dates in both calendars worked out once
// for all the days (a month's marks look at every one of the user's days).
struct Range {
  Range(int32_t from, int32_t to)
      : first(from),
        last(to),
        ethiopianFirst(repeat_dates::Split(from, Ethiopian)),
        ethiopianLast(repeat_dates::Split(to, Ethiopian)),
        gregorianFirst(repeat_dates::Split(from, Gregorian).year),
        gregorianLast(repeat_dates::Split(to, Gregorian).year) {}
  int32_t first, last;
  Fields ethiopianFirst, ethiopianLast;
  int gregorianFirst, gregorianLast;  // years
};

// What one day adds to the list: its occurrences in the range.
class Collector {
 public:
  Collector(size_t index, const Range& range, std::vector<Occurrence>* out)
      : index_(index), range_(range), out_(out) {}

  void Add(int32_t day, Commemoration which = Commemoration::kNone) {
    if (day >= range_.first && day <= range_.last) out_->push_back({day, index_, static_cast<int>(which)});
  }
  const Range& Of() const { return range_; }

 private:
  size_t index_;
  const Range& range_;
  std::vector<Occurrence>* out_;
};

// Each year's date from fromYear on, named by which.
void EthiopianYears(const Fields& start, int fromYear, Collector* add, Commemoration which = Commemoration::kNone) {
  const Range& range = add->Of();
  for (int year = std::max(fromYear, range.ethiopianFirst.year); year <= range.ethiopianLast.year; ++year) {
    add->Add(repeat_dates::EthiopianYearDay(start, year), which);
  }
}

// Only the months in the range are looked at: a month's marks ask for one or two.
void EthiopianMonths(const Fields& start, Collector* add) {
  constexpr int kMonths = 13;
  const Range& range = add->Of();
  const int lastMonth = range.ethiopianLast.year * kMonths + range.ethiopianLast.month - 1;
  for (int month = range.ethiopianFirst.year * kMonths + range.ethiopianFirst.month - 1; month <= lastMonth;
       ++month) {
    if (const auto day = repeat_dates::EthiopianMonthDay(start, month / kMonths, month % kMonths + 1)) {
      add->Add(*day);
    }
  }
}

void GregorianYears(const Fields& start, Collector* add) {
  const Range& range = add->Of();
  for (int year = std::max(start.year, range.gregorianFirst); year <= range.gregorianLast; ++year) {
    if (const auto day = repeat_dates::GregorianYearDay(start, year)) add->Add(*day);
  }
}

void Memorial(int32_t passing, Collector* add) {
  const Fields start = repeat_dates::Split(passing, Ethiopian);
  // The first year's days lie within two years of the passing; most ranges are far from them.
  if (start.year + 2 >= add->Of().ethiopianFirst.year) {
    for (const MemorialDate& date : FirstYearOfMemorial(passing)) add->Add(date.day, date.which);
  }
  EthiopianYears(start, start.year + 2, add, Commemoration::kYearly);
}

// Appends the occurrences of one day in the range; the day's start bounds it below.
void Expand(DayDates day, size_t index, const Range& asked, std::vector<Occurrence>* out) {
  if (day.start > asked.last) return;
  if (day.start > asked.first) {
    Expand(day, index, Range(day.start, asked.last), out);
    return;
  }
  Collector add(index, asked, out);
  switch (day.repeat) {
    case Repeat::kOnce:
      add.Add(day.start);
      break;
    case Repeat::kEthiopianYear:
      EthiopianYears(repeat_dates::Split(day.start, Ethiopian), 0, &add);
      break;
    case Repeat::kEthiopianMonth:
      EthiopianMonths(repeat_dates::Split(day.start, Ethiopian), &add);
      break;
    case Repeat::kGregorianYear:
      GregorianYears(repeat_dates::Split(day.start, Gregorian), &add);
      break;
    case Repeat::kMemorial:
      Memorial(day.start, &add);
      break;
  }
}

// Sorted by day, then index: the days were expanded in the order of their
// index, so counting them into one bucket a day keeps that order. A range
// longer than kMostBuckets days is sorted instead.
void SortByDay(int32_t first, int32_t last, std::vector<Occurrence>* found) {
  constexpr int32_t kMostBuckets = 4096;
  if (last - first >= kMostBuckets) {
    std::sort(found->begin(), found->end(), [](const Occurrence& a, const Occurrence& b) {
      return a.day != b.day ? a.day < b.day : a.index < b.index;
    });
    return;
  }
  std::vector<size_t> starts(static_cast<size_t>(last - first) + 2);
  for (const Occurrence& o : *found) ++starts[static_cast<size_t>(o.day - first) + 1];
  for (size_t i = 1; i < starts.size(); ++i) starts[i] += starts[i - 1];
  std::vector<Occurrence> sorted(found->size());
  for (const Occurrence& o : *found) sorted[starts[static_cast<size_t>(o.day - first)]++] = o;
  *found = std::move(sorted);
}

// A year and a month: it holds the next date of nearly every day.
constexpr int32_t kFirstLook = 400;

}  // namespace

namespace {

template <typename Day>
std::vector<Occurrence> Between(const std::vector<Day>& days, int32_t first, int32_t last) {
  std::vector<Occurrence> found;
  first = std::max(first, kFirstSpanDay);
  last = std::min(last, kLastSpanDay);
  if (first > last) return found;
  const Range range(first, last);
  for (size_t i = 0; i < days.size(); ++i) Expand({days[i].start, days[i].repeat}, i, range, &found);
  SortByDay(first, last, &found);
  return found;
}

}  // namespace

std::vector<Occurrence> OccurrencesBetween(const std::vector<UserDay>& days, int32_t first, int32_t last) {
  return Between(days, first, last);
}

std::vector<Occurrence> OccurrencesBetween(const std::vector<DayDates>& days, int32_t first, int32_t last) {
  return Between(days, first, last);
}

namespace {

// The first of one day's occurrences, the first expanded when two share a day.
Occurrence Earliest(const std::vector<Occurrence>& found) {
  const Occurrence first = *std::min_element(found.begin(), found.end(),
                                             [](const Occurrence& a, const Occurrence& b) { return a.day < b.day; });
  return {first.day, 0, first.memorial};
}

// The next occurrence when the first look, [from, from + kFirstLook), found none: eight years at a time.
std::optional<Occurrence> NextAfterFirstLook(const UserDay& day, int32_t from, std::vector<Occurrence>* found) {
  // Eight years hold a Gregorian 29 February even across a century's common year.
  constexpr int32_t kLongestGap = 8 * 366 + 1;
  for (int32_t first = std::max(from + kFirstLook, day.start); first <= kLastSpanDay; first += kLongestGap) {
    Expand({day.start, day.repeat}, 0, Range(first, std::min(first + kLongestGap - 1, kLastSpanDay)), found);
    if (!found->empty()) return Earliest(*found);
  }
  return std::nullopt;
}

// The next occurrence on or after from, the first look's range worked out by the caller; found is
// scratch memory, used again from day to day.
std::optional<Occurrence> NextOf(const UserDay& day, int32_t from, const Range& firstLook,
                                 std::vector<Occurrence>* found) {
  if (day.repeat == Repeat::kOnce) {
    if (day.start < from) return std::nullopt;
    return Occurrence{day.start, 0};
  }
  found->clear();
  Expand({day.start, day.repeat}, 0, firstLook, found);
  return found->empty() ? NextAfterFirstLook(day, from, found) : Earliest(*found);
}

// A year and a month from the day asked about, within the span.
Range FirstLook(int32_t from) { return Range(from, std::min(from + kFirstLook - 1, kLastSpanDay)); }

}  // namespace

std::optional<Occurrence> NextOccurrence(const UserDay& day, int32_t from) {
  from = std::max(from, kFirstSpanDay);
  if (from > kLastSpanDay) return std::nullopt;
  std::vector<Occurrence> found;
  return NextOf(day, from, FirstLook(from), &found);
}

std::vector<std::optional<Occurrence>> NextOccurrences(const std::vector<UserDay>& days, int32_t from) {
  std::vector<std::optional<Occurrence>> next;
  next.reserve(days.size());
  PlacePages(next.data(), days.size() * sizeof next[0]);
  next.resize(days.size());
  from = std::max(from, kFirstSpanDay);
  if (from > kLastSpanDay) return next;
  const Range firstLook = FirstLook(from);  // worked out once for all the days
  std::vector<Occurrence> found;
  for (size_t i = 0; i < days.size(); ++i) next[i] = NextOf(days[i], from, firstLook, &found);
  return next;
}
