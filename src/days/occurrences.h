#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "days/user_day.h"

// When the user's days come round. The rules, and where a date is missing:
// - every Ethiopian year: the same month and day; Pagume 6, which only a leap
//   year has, falls on Pagume 5 in the other years (RFC 7529 SKIP=BACKWARD),
//   so the day is kept every year and in its own year, the year's last day;
// - every Ethiopian month: the same day of each month; a day Pagume does not
//   have (6 in a common year, 7 to 30 in every year) is not kept in Pagume
//   (SKIP=OMIT), as the church's monthly days (Michael on the 12th, Mary on
//   the 21st) have no Pagume day; moving it back would bring a 30th five days
//   after Nehase 30;
// - every Gregorian year: 29 February only in leap years, which is what the
//   plain RFC 5545 yearly rule means to every reader of the file;
// - a memorial: the commemorations (days/memorial.h), then every Ethiopian
//   year as above.

struct Occurrence {
  int32_t day;       // day number
  size_t index;      // into the vector of days asked about
  int memorial = 0;  // for kMemorial: a Commemoration (days/memorial.h), else 0
};

// Every occurrence of every day in [first, last], sorted by day, then index.
std::vector<Occurrence> OccurrencesBetween(const std::vector<UserDay>& days, int32_t first, int32_t last);

// The first occurrence on or after `from`, or nothing when the day never comes again.
std::optional<Occurrence> NextOccurrence(const UserDay& day, int32_t from);
