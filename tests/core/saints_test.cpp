// The days' facts the grid and the page show: known days' fasts and
// commemorations, and the month-wide query against the day-by-day lookups.
#include <gtest/gtest.h>

#include <string>

#include "core/calendar/date_pair.h"
#include "core/church/commemorations.h"
#include "core/church/day_facts.h"
#include "core/church/fasts.h"
#include "reference_dates.h"

namespace {

using reference::GregorianDay;

struct KnownDay {
  int day[3];  // Gregorian
  const char* english;  // the fast, then the commemoration, joined by " / "
  const char* amharic;  // the same in Amharic
  const char* why;
};

const KnownDay kKnownDays[] = {
    {{2025, 1, 6}, "Gehad of Genna / Amanuel (Emmanuel)", "የገና ገሃድ / አማኑኤል", "Tahsas 28: the eve, not Nebiyat"},
    {{2022, 1, 7}, "Bale Wold (Feast of God the Son)", "በዓለ ወልድ", "Tahsas 29: Genna on a Friday"},
    {{2022, 1, 19}, "Hanna and Iyakem, and Fasiledes", "ሐና ወኢያቄም እና ፋሲለደስ", "Tir 11: Timket on a Wednesday"},
    {{2025, 4, 23}, "Kirkos and Iyeluta", "ቂርቆስ እና ኢየሉጣ", "Miazia 15: a Wednesday of the fifty days"},
    {{2025, 6, 6}, "Bale Wold (Feast of God the Son)", "በዓለ ወልድ", "Ginbot 29: the last Friday of the fifty days"},
    {{2025, 6, 11}, "Tsome Hawaryat / Yohannes Wolde Negodgwad (John, Son of Thunder)", "ጾመ ሐዋርያት / ዮሐንስ ወልደ ነጎድጓድ",
     "Sene 4, after Paraclete"},
    {{2025, 7, 16}, "Wednesday fast / Thomas (not the Apostle)", "የረቡዕ ጾም / ቶማስ", "Hamle 9, between Hawaryat and Filseta"},
    {{2025, 7, 18}, "Friday fast / Hanna and Iyakem, and Fasiledes", "የዓርብ ጾም / ሐና ወኢያቄም እና ፋሲለደስ",
     "Hamle 11, between Hawaryat and Filseta"},
    {{2025, 9, 10}, "Wednesday fast / none: Pagume is outside the monthly round", "የረቡዕ ጾም / ጳጉሜን ወርሃዊ ዝክር የለውም",
     "Pagume 5 says it has no commemoration"},
    {{2025, 9, 11}, "Lideta (Birth of Mary) and Elias", "ልደታ ለማርያም እና ኤልያስ", "Meskerem 1, a Thursday"},
    {{2024, 11, 30}, "Tsome Nebiyat / Mariam (the Virgin Mary)", "ጾመ ነቢያት / ማርያም", "Hidar 21, a Saturday of Nebiyat"},
};

std::string Names(const DayFacts& day, Language language) {
  std::string names;
  for (const ChurchName* name : {day.fast, day.commemoration}) {
    if (name) names += (names.empty() ? "" : " / ") + std::string(NameIn(*name, language));
  }
  return names;
}

TEST(DayFacts, KnownDays) {
  for (const KnownDay& k : kKnownDays) {
    const DaysFacts facts = FactsOfDays(GregorianDay(k.day[0], k.day[1], k.day[2]), 1);
    ASSERT_EQ(facts.days.size(), 1u) << k.why;
    EXPECT_EQ(Names(facts.days[0], Language::kEnglish), k.english) << k.why;
    EXPECT_EQ(Names(facts.days[0], Language::kAmharic), k.amharic) << k.why;
  }
}

// The monthly round as the program's table holds it (sourced beside the
// table: the church's own pages, the cathedral's list where they agree), day
// by day through the day query over Nehase; Pagume's six days say they have none.
TEST(DayFacts, EveryDayOfTheMonthlyRoundAndNoneInPagume) {
  const char* const kRound[] = {
      "Lideta (Birth of Mary) and Elias", "Thaddeus", "Ba'eta (Presentation of Mary in the Temple)",
      "Yohannes Wolde Negodgwad (John, Son of Thunder)", "Petros and Paulos, and Gebre Menfes Kidus",
      "Kidist Arsema", "Selassie (the Holy Trinity)", "Kiros and Abba Banuda", "Thomas (not the Apostle)",
      "Meskel (the Holy Cross)", "Hanna and Iyakem, and Fasiledes", "Mikael (Michael the Archangel), Samuel and Yared",
      "Egziabher Ab (God the Father) and Rufael", "Abune Aregawi and Gebre Kristos", "Kirkos and Iyeluta",
      "Kidane Mihret (Covenant of Mercy)", "Estifanos (Stephen) and Abba Gerima", "Ewostatewos",
      "Gabriel the Archangel", "Hnstata and Dawit", "Mariam (the Virgin Mary)", "Urael (Uriel the Archangel)", "Giyorgis (Saint George)",
      "Abune Tekle Haymanot", "Merkorios (Saint Mercurius)", "Abune Habte Mariam and Yosef",
      "Medhane Alem (Saviour of the World)", "Amanuel (Emmanuel)", "Bale Wold (Feast of God the Son)",
      "Abune Zena Markos",
  };
  constexpr int kRoundDays = 30, kPagumeDays = 6;  // Pagume 2015 has six
  const DaysFacts facts = FactsOfDays(reference::EthiopianDay(2015, 12, 1), kRoundDays + kPagumeDays);
  ASSERT_EQ(facts.days.size(), static_cast<std::size_t>(kRoundDays + kPagumeDays));
  for (int day = 1; day <= kRoundDays; ++day) {
    const ChurchName* kept = facts.days[day - 1].commemoration;
    EXPECT_STREQ(kept ? kept->english : "none", kRound[day - 1]) << "Nehase " << day;
  }
  for (int day = 1; day <= kPagumeDays; ++day) {
    EXPECT_EQ(facts.days[kRoundDays + day - 1].commemoration, &NoCommemorationInPagume()) << "Pagume " << day;
  }
}

// One query over three years and two of the span's edges gives each day what
// the day-by-day lookups give.
TEST(DayFacts, AgreeWithTheDayByDayLookups) {
  const int ranges[][2] = {{GregorianDay(2023, 8, 1), 3 * 366}, {kFirstSpanDay - 3, 40}, {kLastSpanDay - 40, 50}};
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
      ASSERT_EQ(day.fast, FastOnDay(ReckonChurchYear(year), day.dayNumber)) << day.dayNumber;
    }
  }
}

}  // namespace
