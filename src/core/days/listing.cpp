#include "core/days/listing.h"

#include <algorithm>
#include <tuple>

#include "core/memory/pages.h"

std::vector<ListedDay> DaysInListOrder(const std::vector<UserDay>& days, int32_t today) {
  const std::vector<std::optional<Occurrence>> next = NextOccurrences(days, today);
  // Sorted as small keys; the days themselves stay where they lie.
  std::vector<std::tuple<bool, int32_t, std::size_t>> keys;  // never again, nearest today first, index
  keys.reserve(days.size());
  for (std::size_t i = 0; i < days.size(); ++i) {
    keys.emplace_back(!next[i], next[i] ? next[i]->day : -days[i].start, i);
  }
  std::sort(keys.begin(), keys.end());
  std::vector<ListedDay> listed;
  listed.reserve(days.size());
  PlacePages(listed.data(), days.size() * sizeof(ListedDay));
  for (const auto& [never, nearest, i] : keys) listed.push_back({i, next[i], next[i] ? next[i]->day : days[i].start});
  return listed;
}
