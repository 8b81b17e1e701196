#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/days/user_day.h"

// When the user's days come round. Where a month or a year lacks the date,
// RFC 7529 (https://www.rfc-editor.org/info/rfc7529) lets a rule say SKIP:
// OMIT (the default, as a plain RFC 5545 rule drops a date that does not
// exist), BACKWARD (the last day before) or FORWARD (the first day after).
// The rules, and the choice for each:
// - every Ethiopian year: the same month and day; Pagume 6, which only a leap
//   year has, falls on Pagume 5 in the other years (RFC 7529 SKIP=BACKWARD),
//   so the day is kept every year and in its own year, the year's last day;
// - every Ethiopian month: the same day of each month; a day Pagume does not
//   have (6 in a common year, 7 to 30 in every year) is not kept in Pagume
//   (SKIP=OMIT), as the church's monthly round leaves Pagume out (src/church
//   /commemorations.cpp cites it); moving it back would bring a 30th five
//   days after Nehase 30;
// - every Gregorian year: 29 February only in leap years, which is what the
//   plain RFC 5545 yearly rule means to every reader of the file;
// - a memorial: the commemorations (days/memorial.h), then every Ethiopian
//   year as above.

struct Occurrence {
  int32_t day;       // day number
  size_t index;      // into the vector of days asked about
  int memorial = 0;  // for kMemorial: a Commemoration (days/memorial.h), else 0
};

// What a day's dates follow, apart from its texts.
struct DayDates {
  int32_t start = 0;
  Repeat repeat = Repeat::kOnce;
};

// Every occurrence of every day in [first, last], sorted by day, then index.
std::vector<Occurrence> OccurrencesBetween(const std::vector<UserDay>& days, int32_t first, int32_t last);
// The same over days held by their dates alone, as a long agenda over a large store holds them.
std::vector<Occurrence> OccurrencesBetween(const std::vector<DayDates>& days, int32_t first, int32_t last);

// The first occurrence on or after `from`, or nothing when the day never comes again.
std::optional<Occurrence> NextOccurrence(const UserDay& day, int32_t from);
// NextOccurrence of each of the days, found together: a list of thousands asks for all.
std::vector<std::optional<Occurrence>> NextOccurrences(const std::vector<UserDay>& days, int32_t from);
