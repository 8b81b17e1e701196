#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/days/occurrences.h"
#include "core/days/user_day.h"

// The user's days in the order every list of them shows (the window's All my
// days, the days command): the soonest next date first; after them the days
// that never come again, the latest first, so that both parts begin nearest
// today; days on one date in the file's order.
struct ListedDay {
  std::size_t index;               // into the days
  std::optional<Occurrence> next;  // none when the day never comes again
  int32_t day;                     // the next date, else the day's own, its last
};
std::vector<ListedDay> DaysInListOrder(const std::vector<UserDay>& days, int32_t today);
