// Bahire Hasab against the Julian computus written here apart from the program.
#include <gtest/gtest.h>

#include "core/calendar/bahire_hasab.h"
#include "core/calendar/date_pair.h"
#include "reference_dates.h"

namespace {

using namespace reference;

// Bahire Hasab's figures, each tied to the computus or the calendar.
TEST(BahireHasab, EveryYearAgreesWithTheJulianComputus) {
  constexpr int kMonday = 1;
  for (int year = kFirstEthiopianYear; year <= kLastEthiopianYear; ++year) {
    const BahireHasab b = ReckonBahireHasab(year);
    ASSERT_EQ(b.fasika, Fasika(year)) << year;
    ASSERT_EQ(b.ameteAlem, year + 5500) << year;
    ASSERT_EQ(b.wenber, (year + 8) % 19) << year;
    ASSERT_EQ(b.abekte + b.metqi, 30) << year;
    ASSERT_EQ((b.metqi + 15) % 30, PaschalMoon(year + 8)) << year;
    ASSERT_EQ(b.evangelist == Evangelist::kJohn, year % 4 == 0) << year;  // after the six-day Pagume
    const DatePair nineveh = DatePair::OfDay(b.nineveh);
    ASSERT_EQ(b.bealeMetqi, EthiopianDay(year, b.metqi > 14 ? 1 : 2, b.metqi)) << year;
    ASSERT_EQ(b.tewsak, b.nineveh - b.bealeMetqi - 4 * 30) << year;
    ASSERT_EQ(nineveh.Day(Ethiopian), b.mebajaHamer) << year;
    ASSERT_EQ(nineveh.Weekday(), kMonday) << year;
    ASSERT_EQ(b.nineveh, Fasika(year) - 69) << year;
  }
}

}  // namespace
