#include "days/occurrences.h"

#include <algorithm>

#include "days/memorial.h"
#include "days/repeat_dates.h"

namespace {

using repeat_dates::Fields;

// What one day adds to the list: its occurrences in [first, last].
class Collector {
 public:
  Collector(size_t index, int32_t first, int32_t last, std::vector<Occurrence>* out)
      : index_(index), first_(first), last_(last), out_(out) {}

  void Add(int32_t day, Commemoration which = Commemoration::kNone) {
    if (day >= first_ && day <= last_) out_->push_back({day, index_, static_cast<int>(which)});
  }
  int FirstYear(CalendarKind kind) const { return repeat_dates::Split(first_, kind).year; }
  int LastYear(CalendarKind kind) const { return repeat_dates::Split(last_, kind).year; }

 private:
  size_t index_;
  int32_t first_, last_;
  std::vector<Occurrence>* out_;
};

// The years from fromYear on: each year's date, named by which for the first
// and by later for the rest.
void EthiopianYears(const Fields& start, int fromYear, const Collector& range, Collector* add,
                    Commemoration which = Commemoration::kNone) {
  for (int year = std::max(fromYear, range.FirstYear(Ethiopian)); year <= range.LastYear(Ethiopian); ++year) {
    add->Add(repeat_dates::EthiopianYearDay(start, year), which);
  }
}

// Only the months in the range are looked at: a month's marks ask for one or two.
void EthiopianMonths(const Fields& start, const Fields& first, const Fields& last, Collector* add) {
  constexpr int kMonths = 13;
  const int lastMonth = last.year * kMonths + last.month - 1;
  for (int month = first.year * kMonths + first.month - 1; month <= lastMonth; ++month) {
    if (const auto day = repeat_dates::EthiopianMonthDay(start, month / kMonths, month % kMonths + 1)) {
      add->Add(*day);
    }
  }
}

void GregorianYears(const Fields& start, Collector* add) {
  for (int year = std::max(start.year, add->FirstYear(Gregorian)); year <= add->LastYear(Gregorian); ++year) {
    if (const auto day = repeat_dates::GregorianYearDay(start, year)) add->Add(*day);
  }
}

void Memorial(int32_t passing, Collector* add) {
  for (const MemorialDate& date : FirstYearOfMemorial(passing)) add->Add(date.day, date.which);
  const Fields start = repeat_dates::Split(passing, Ethiopian);
  EthiopianYears(start, start.year + 2, *add, add, Commemoration::kYearly);
}

// Appends the occurrences of one day in [first, last], which the day's start bounds below.
void Expand(const UserDay& day, size_t index, int32_t first, int32_t last, std::vector<Occurrence>* out) {
  first = std::max({first, day.start, kFirstSpanDay});
  last = std::min(last, kLastSpanDay);
  if (first > last) return;
  Collector add(index, first, last, out);
  switch (day.repeat) {
    case Repeat::kOnce:
      add.Add(day.start);
      break;
    case Repeat::kEthiopianYear:
      EthiopianYears(repeat_dates::Split(day.start, Ethiopian), 0, add, &add);
      break;
    case Repeat::kEthiopianMonth:
      EthiopianMonths(repeat_dates::Split(day.start, Ethiopian), repeat_dates::Split(first, Ethiopian),
                      repeat_dates::Split(last, Ethiopian), &add);
      break;
    case Repeat::kGregorianYear:
      GregorianYears(repeat_dates::Split(day.start, Gregorian), &add);
      break;
    case Repeat::kMemorial:
      Memorial(day.start, &add);
      break;
  }
}

}  // namespace

std::vector<Occurrence> OccurrencesBetween(const std::vector<UserDay>& days, int32_t first, int32_t last) {
  std::vector<Occurrence> found;
  for (size_t i = 0; i < days.size(); ++i) Expand(days[i], i, first, last, &found);
  std::sort(found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) {
    return a.day != b.day ? a.day < b.day : a.index < b.index;
  });
  return found;
}

std::optional<Occurrence> NextOccurrence(const UserDay& day, int32_t from) {
  // Eight years hold a Gregorian 29 February even across a century's common year.
  constexpr int32_t kLongestGap = 8 * 366 + 1;
  if (day.repeat == Repeat::kOnce) {
    if (day.start < from) return std::nullopt;
    return Occurrence{day.start, 0};
  }
  std::vector<Occurrence> found;
  for (int32_t first = std::max(from, day.start); first <= kLastSpanDay && found.empty(); first += kLongestGap) {
    Expand(day, 0, first, first + kLongestGap - 1, &found);
  }
  if (found.empty()) return std::nullopt;
  return *std::min_element(found.begin(), found.end(),
                           [](const Occurrence& a, const Occurrence& b) { return a.day < b.day; });
}
