// The days' facts the grid and the page show: known days' fasts and
// commemorations, and the month-wide query against the day-by-day lookups.
#include <gtest/gtest.h>

#include <string>

#include "calendar/date_pair.h"
#include "church/day_facts.h"
#include "church/fasts.h"

namespace {

int Gregorian(int year, int month, int day) { return DatePair(year, month, day, ::Gregorian).dates[::Gregorian].dayNumber; }

struct KnownDay {
  int day[3];  // Gregorian
  const char* fast;
  const char* commemoration;
  const char* why;
};

const KnownDay kKnownDays[] = {
    {{2025, 1, 6}, "Gehad of Genna", "Amanuel (Emmanuel)", "Tahsas 28: the eve, not Nebiyat"},
    {{2022, 1, 7}, nullptr, "Bale Wold (Feast of God the Son)", "Tahsas 29: Genna on a Friday"},
    {{2022, 1, 19}, nullptr, "Hanna and Iyakem, and Fasiledes", "Tir 11: Timket on a Wednesday"},
    {{2025, 4, 23}, nullptr, "Kirkos and Iyeluta", "Miazia 15: a Wednesday of the fifty days"},
    {{2025, 6, 6}, nullptr, "Bale Wold (Feast of God the Son)", "Ginbot 29: the last Friday of the fifty days"},
    {{2025, 6, 11}, "Tsome Hawaryat", "Yohannes Wolde Negodgwad (John, Son of Thunder)", "Sene 4, after Paraclete"},
    {{2025, 7, 16}, "Wednesday fast", "Thomas (not the Apostle)", "Hamle 9, between Hawaryat and Filseta"},
    {{2025, 7, 18}, "Friday fast", "Hanna and Iyakem, and Fasiledes", "Hamle 11, between Hawaryat and Filseta"},
    {{2025, 9, 10}, "Wednesday fast", nullptr, "Pagume 5 has no commemoration"},
    {{2025, 9, 11}, nullptr, "Lideta (Birth of Mary) and Elias", "Meskerem 1, a Thursday"},
};

TEST(DayFacts, KnownDays) {
  for (const KnownDay& k : kKnownDays) {
    const DaysFacts facts = FactsOfDays(Gregorian(k.day[0], k.day[1], k.day[2]), 1);
    ASSERT_EQ(facts.days.size(), 1u) << k.why;
    EXPECT_STREQ(facts.days[0].fast, k.fast) << k.why;
    EXPECT_STREQ(facts.days[0].commemoration, k.commemoration) << k.why;
  }
}

// One query over three years and two of the span's edges gives each day what
// the day-by-day lookups give.
TEST(DayFacts, AgreeWithTheDayByDayLookups) {
  const int ranges[][2] = {{Gregorian(2023, 8, 1), 3 * 366}, {kFirstSpanDay - 3, 40}, {kLastSpanDay - 40, 50}};
  for (const auto& range : ranges) {
    const DaysFacts facts = FactsOfDays(range[0], range[1]);
    for (const DayFacts& day : facts.days) {
      ASSERT_TRUE(CalendarDate::InSpan(day.dayNumber));
      const std::vector<Holiday> holidays = HolidaysOnDay(day.dayNumber);
      ASSERT_EQ(day.holidayCount, static_cast<int>(holidays.size())) << day.dayNumber;
      for (int i = 0; i < day.holidayCount; ++i) {
        ASSERT_STREQ(facts.holidays[day.firstHoliday + i].english, holidays[i].english) << day.dayNumber;
      }
      int year = 0, month = 0, mday = 0;
      CalendarDate::SplitDayNumber(day.dayNumber, year, month, mday, Ethiopian);
      ASSERT_STREQ(day.fast, FastOnDay(ReckonChurchYear(year), day.dayNumber)) << day.dayNumber;
    }
  }
}

}  // namespace
