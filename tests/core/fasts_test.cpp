// The fasts of every day of the span against the church's list, reckoned
// here apart from the program.
#include <gtest/gtest.h>

#include <cstring>

#include "core/church/fasts.h"
#include "reference_dates.h"

namespace {

using namespace reference;

// The fasting periods and the fast of every day, from the church's list:
// Nebiyat from Hidar 15 to the eve of Genna, which is a Gehad of its own, as
// is the eve of Timket; Nineveh three days from Fasika - 69; Abiy Tsom the 55
// days before Fasika; Hawaryat from the day after Paraclete to Hamle 4;
// Filseta Nehase 1 to 15; Wednesdays and Fridays but for the fifty days from
// Fasika, Genna and Timket.
TEST(Fasts, EveryPeriodAndEveryDayOfEveryYear) {
  const char* const kWeekly[7] = {nullptr, nullptr, nullptr, "Wednesday fast", nullptr, "Friday fast", nullptr};
  for (int year = kFirstEthiopianYear; year <= kLastEthiopianYear; ++year) {
    const int fasika = Fasika(year), genna = Genna(year), timket = EthiopianDay(year, 5, 11);
    const struct {
      int firstDay, lastDay;
      const char* english;
    } expected[kFastPeriods] = {
        {EthiopianDay(year, 3, 15), genna - 1, "Tsome Nebiyat"},
        {genna - 1, genna - 1, "Gehad of Genna"},
        {timket - 1, timket - 1, "Gehad of Timket"},
        {fasika - 69, fasika - 67, "Tsome Nenewe (Nineveh)"},
        {fasika - 55, fasika - 1, "Abiy Tsom"},
        {fasika + 50, EthiopianDay(year, 11, 4), "Tsome Hawaryat"},
        {EthiopianDay(year, 12, 1), EthiopianDay(year, 12, 15), "Tsome Filseta"},
    };
    const ChurchYear church = ReckonChurchYear(year);
    for (int i = 0; i < kFastPeriods; ++i) {
      const FastPeriod& p = church.fasts[i];
      ASSERT_TRUE(p.firstDay == expected[i].firstDay && p.lastDay == expected[i].lastDay &&
                  std::strcmp(p.name->english, expected[i].english) == 0)
          << year << " " << expected[i].english << ": " << p.name->english;
    }
    for (int day = EthiopianDay(year, 1, 1); day < EthiopianDay(year + 1, 1, 1); ++day) {
      const char* fast = kWeekly[WeekdayOf(day)];
      if ((day >= fasika && day <= fasika + 49) || day == genna || day == timket) fast = nullptr;
      for (const auto& p : expected)
        if (day >= p.firstDay && day <= p.lastDay) fast = p.english;
      const ChurchName* kept = FastOnDay(church, day);
      ASSERT_STREQ(kept ? kept->english : nullptr, fast) << year << " day " << day;
    }
  }
}

}  // namespace
