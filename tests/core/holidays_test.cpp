// Every holiday of every year of the span against reckonings written here
// apart from the program (tests/support/reference_dates.h): a Julian
// computus, Julian 25 December, Ethiopian dates counted from the Julian Day
// Number of Meskerem 1 of year 1, and the feasts' distances from Fasika.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "core/calendar/date_pair.h"
#include "core/calendar/holidays.h"
#include "reference_dates.h"

namespace {

using namespace reference;

constexpr unsigned kFeast = kPublicHoliday | kChurchDay;

// The days as the law of 2024 and the church keep them. The years kept are
// counted from each day's first anniversary (Adwa 1896, Patriots 1941,
// Martyrs 1937, Labour Day by Proclamation 16/1975, the constitution of
// 1994, Ginbot 20 1991 to the law of 2024, which dropped it). The feasts'
// distances from Fasika: Nineveh two weeks before the 55 days of Abiy Tsom,
// Debre Zeit the middle Sunday of Lent, Hosanna and Siklet the Sunday and
// Friday before, Rikbe Kahnat the Wednesday of the fourth week after,
// Erget the fortieth day and Paraclete the fiftieth, Hawaryat from the day
// after, the weekly fast again from the Wednesday after.
enum How { kFixed, kFromFasika, kGennaDay, kSundayFrom };
struct Rule {
  const char* english;
  unsigned tags;
  How how;
  int month, day;  // kFromFasika: day is the distance; kSundayFrom: the Sunday of day to day + 6
  int first = kFirstEthiopianYear, last = kLastEthiopianYear;
};
constexpr unsigned kMajor = kChurchDay | kMajorFeast, kMinor = kChurchDay | kMinorFeast;
const Rule kRules[] = {
    {"Enkutatash (New Year)", kPublicHoliday, kFixed, 1, 1},
    {"Meskel (Finding of the True Cross)", kFeast, kFixed, 1, 17},
    {"Nations, Nationalities and Peoples' Day", kMemorial, kFixed, 3, 29, 1999},
    {"Genna (Christmas)", kFeast | kMajorFeast | kMinorFeast, kGennaDay, 0, 0},
    {"Timket (Epiphany)", kFeast | kMajorFeast, kFixed, 5, 11},
    {"Martyrs' Day", kMemorial, kFixed, 6, 12, 1934},
    {"Adwa Victory Day", kPublicHoliday, kFixed, 6, 23, 1889},
    {"International Labour Day", kPublicHoliday, kFixed, 8, 23, 1967},
    {"Patriots' Victory Day", kPublicHoliday, kFixed, 8, 27, 1934},
    {"Downfall of the Derg", kPublicHoliday, kFixed, 9, 20, 1984, 2016},
    {"Nineveh fast begins", kChurchDay, kFromFasika, 0, -69},
    {"Abiy Tsom (Lent) begins", kChurchDay, kFromFasika, 0, -55},
    {"Debre Zeit", kMinor, kFromFasika, 0, -28},
    {"Hosanna (Palm Sunday)", kMajor, kFromFasika, 0, -7},
    {"Siklet (Good Friday)", kFeast | kMajorFeast, kFromFasika, 0, -2},
    {"Fasika (Easter)", kFeast | kMajorFeast, kFromFasika, 0, 0},
    {"Rikbe Kahnat", kChurchDay, kFromFasika, 0, 24},
    {"Erget (Ascension)", kMajor, kFromFasika, 0, 39},
    {"Paraclete (Pentecost)", kMajor, kFromFasika, 0, 49},
    {"Tsome Hawaryat begins", kChurchDay, kFromFasika, 0, 50},
    {"Tsome Dihnet resumes (the weekly fast)", kChurchDay, kFromFasika, 0, 52},
    // the feasts of the Lord that the law gives no day off
    {"Tsinset (the Conception)", kMajor, kFixed, 7, 29},
    {"Debre Tabor (Transfiguration)", kMajor, kFixed, 12, 13},
    {"Sibket (the prophets' preaching)", kMinor, kSundayFrom, 4, 5},
    {"Berhan (the Light)", kMinor, kSundayFrom, 4, 12},
    {"Nolawi (the Good Shepherd)", kMinor, kSundayFrom, 4, 19},
    {"Gizret (Circumcision)", kMinor, kFixed, 5, 6},
    {"Cana of Galilee", kMinor, kFixed, 5, 12},
    {"Lidete Simeon", kMinor, kFixed, 6, 8},
    {"Megabit Meskel", kMinor, kFixed, 7, 10},
    // Mary's feasts and the yearly feasts of the saints kept monthly
    {"Bizuhane Mariam (Gishen Mariam)", kChurchDay, kFixed, 1, 21},
    {"Qusquam Mariam (return from Egypt)", kChurchDay, kFixed, 3, 6},
    {"Hidar Tsion (Our Lady of Zion)", kChurchDay, kFixed, 3, 21},
    {"Debre Mitmaq Mariam", kChurchDay, kFixed, 9, 21},
    {"Hintsete Beta (Mary's first church)", kChurchDay, kFixed, 10, 20},
    {"Tsinseta Mariam (Mary's conception)", kChurchDay, kFixed, 12, 7},
    {"Petros and Paulos (Saints Peter and Paul)", kChurchDay, kFixed, 11, 5},
    {"Ba'eta Mariam (Mary enters the Temple)", kChurchDay, kFixed, 4, 3},
    {"Asterio Mariam (Mary's departure)", kChurchDay, kFixed, 5, 21},
    {"Kidane Mihret (Covenant of Mercy)", kChurchDay, kFixed, 6, 16},
    {"Lideta Mariam (Mary's birth)", kChurchDay, kFixed, 9, 1},
    {"Filseta (Assumption)", kChurchDay, kFixed, 12, 16},
    {"Mikael (Hidar Mikael)", kChurchDay, kFixed, 3, 12},
    {"Gabriel (Kulubi Gabriel)", kChurchDay, kFixed, 4, 19},
    {"Abune Tekle Haymanot (his birth)", kChurchDay, kFixed, 4, 24},
    {"Abune Gebre Menfes Kidus", kChurchDay, kFixed, 5, 5},
    {"Selassie (Holy Trinity)", kChurchDay, kFixed, 5, 7},
    {"Selassie (Holy Trinity)", kChurchDay, kFixed, 11, 7},
    {"Giyorgis (Saint George)", kChurchDay, kFixed, 8, 23},
    {"Rufael (Raphael the Archangel)", kChurchDay, kFixed, 13, 3},
};

// The first Sunday on or after `day`.
int SundayOnOrAfter(int day) { return day + (7 - WeekdayOf(day)) % 7; }

int DayOf(const Rule& r, int year) {
  switch (r.how) {
    case kFixed: return EthiopianDay(year, r.month, r.day);
    case kFromFasika: return Fasika(year) + r.day;
    case kGennaDay: return Genna(year);
    case kSundayFrom: return SundayOnOrAfter(EthiopianDay(year, r.month, r.day));
  }
  return 0;
}

using Entry = std::tuple<int, std::string, unsigned>;  // day, English name, tags

std::vector<Entry> Expected(int year) {
  std::vector<Entry> list;
  for (const Rule& r : kRules) {
    if (year < r.first || year > r.last) continue;
    list.emplace_back(DayOf(r, year), r.english, r.tags);
  }
  std::sort(list.begin(), list.end());
  return list;
}

// The program's list less the Islamic days (checked against ICU), sorted as Expected.
std::vector<Entry> Listed(const std::vector<Holiday>& holidays) {
  std::vector<Entry> list;
  for (const Holiday& h : holidays)
    if (!(h.tags & kExpectedDate)) list.emplace_back(h.dayNumber, h.english, h.tags);
  std::sort(list.begin(), list.end());
  return list;
}

TEST(Holidays, EveryRuleOfEveryYear) {
  EXPECT_TRUE(HolidaysOfEthiopianYear(kFirstEthiopianYear - 1).empty());
  EXPECT_TRUE(HolidaysOfEthiopianYear(kLastEthiopianYear + 1).empty());
  for (int year = kFirstEthiopianYear; year <= kLastEthiopianYear; ++year) {
    const auto list = HolidaysOfEthiopianYear(year);
    ASSERT_EQ(Listed(list), Expected(year)) << year;
    for (size_t i = 0; i < list.size(); ++i) {
      ASSERT_TRUE(list[i].dayNumber >= EthiopianDay(year, 1, 1) && list[i].dayNumber < EthiopianDay(year + 1, 1, 1))
          << year << " " << list[i].english;
      ASSERT_TRUE(i == 0 || list[i - 1].dayNumber <= list[i].dayNumber) << year << " " << list[i].english;
    }
    ASSERT_EQ(GennaDay(year), Genna(year)) << year;
  }
}

// The Gregorian years' lists and the days' lists against the Ethiopian years'
// lists laid end to end, day by day, across the span and past its edges.
TEST(Holidays, GregorianYearsAndDaysAgreeWithTheEthiopianYears) {
  std::vector<Holiday> all;
  for (int year = kFirstEthiopianYear; year <= kLastEthiopianYear; ++year) {
    const auto list = HolidaysOfEthiopianYear(year);
    all.insert(all.end(), list.begin(), list.end());
  }
  auto same = [](const Holiday& a, const Holiday& b) {
    return a.dayNumber == b.dayNumber && std::strcmp(a.english, b.english) == 0;
  };
  auto from = all.begin();
  for (int year = 7; year <= 10008; ++year) {
    auto to = std::lower_bound(from, all.end(), GregorianDay(year + 1, 1, 1),
                               [](const Holiday& h, int day) { return h.dayNumber < day; });
    const auto list = HolidaysOfGregorianYear(year);
    ASSERT_TRUE(std::equal(list.begin(), list.end(), from, to, same)) << year;
    from = to;
  }
  const int days[][2] = {{kFirstSpanDay - 2, 800}, {GregorianDay(2023, 1, 1), 800}, {kLastSpanDay - 800, 802}};
  for (const auto& run : days) {
    auto at = std::lower_bound(all.begin(), all.end(), run[0], [](const Holiday& h, int day) { return h.dayNumber < day; });
    for (int day = run[0]; day < run[0] + run[1]; ++day) {
      const auto onDay = HolidaysOnDay(day);
      auto end = at;
      while (end != all.end() && end->dayNumber == day) ++end;
      ASSERT_TRUE(std::equal(onDay.begin(), onDay.end(), at, end, same)) << day;
      at = end;
    }
  }
}

// The model above against dates reported in the world; each church day
// against two sources.
struct Known {
  const char* english;
  int gregorianYear, gregorianMonth, gregorianDay;
  const char* tags;
  const char* source;
};

const Known kKnown[] = {
    {"Fasika (Easter)", 2024, 5, 5, "public,church,major", "Orthodox Easter 2024 was 5 May"},
    {"Patriots' Victory Day", 2024, 5, 5, "public", "fell on Fasika in 2024"},
    {"Genna (Christmas)", 2024, 1, 7, "public,church,major,minor", "Ethiopian Christmas 2024, 7 January; minor too "
     "(eotcgeneralcouncil, eotc-ma.com)"},
    {"Qusquam Mariam (return from Egypt)", 2024, 11, 15, "church", "November 15, Hidar 6 (eotcmk.org/e; eotcmk.org/a)"},
    {"Debre Mitmaq Mariam", 2025, 5, 29, "church", "May 29, Ginbot 21 (eotc-ma.com; kmariamtsiwa.com)"},
    {"Hintsete Beta (Mary's first church)", 2025, 6, 27, "church", "27 June, Sene 20 (eotcmk.org/e; temro.org)"},
    {"Petros and Paulos (Saints Peter and Paul)", 2021, 7, 12, "church", "ሓምለ 5 2013, 07/12/2021 (vaticannews.va; mekrez)"},
    {"Tsinseta Mariam (Mary's conception)", 2025, 8, 13, "church", "Nehasie 7, August 13 (eotcmk.org/e; eotcmk.org/a)"},
    {"Bizuhane Mariam (Gishen Mariam)", 2025, 10, 1, "church", "Meskerem 21 (hohitebirhan.org; eotcmk.org/a)"},
    {"Tsome Dihnet resumes (the weekly fast)", 2015, 6, 3, "church", "a Wednesday in Ginbot 18-Sene 22 (eotcmk.org; "
     "johnsrepentance.org)"},
    {"Timket (Epiphany)", 2024, 1, 20, "public,church,major", "Timket 2024, 20 January"},
    {"Gabriel (Kulubi Gabriel)", 2025, 12, 28, "church", "Kulubi Gabriel, 28 December"},
    {"Filseta (Assumption)", 2025, 8, 22, "church", "Nehase 16 is 22 August (eotcmk.org; en.wikipedia.org Filseta)"},
    {"Ba'eta Mariam (Mary enters the Temple)", 2024, 12, 12, "church", "December 12, Tahsas 3 (beatawa.org; eotcmk.org)"},
    {"Asterio Mariam (Mary's departure)", 2025, 1, 29, "church", "Tir 21, January 29 (eotcmk.org/e; astemhro.com)"},
    {"Kidane Mihret (Covenant of Mercy)", 2024, 2, 24, "church", "Yekatit 16, Feb. 24 (kasinatours.com; tgstat)"},
    {"Lideta Mariam (Mary's birth)", 2025, 5, 9, "church", "Ginbot 1 (May 9) (eotcmk.org/e; beatawa.org)"},
    {"Cana of Galilee", 2025, 1, 20, "church,minor", "Tir 12 (January 20), eotcmk.org; ethioexplorer.com ጥር 12"},
    {"Hidar Tsion (Our Lady of Zion)", 2016, 11, 30, "church", "30 November 2016 (tourtoethiopia.com; press.et)"},
    {"Enkutatash (New Year)", 2023, 9, 12, "public", "Ethiopian New Year 2016, 12 September 2023"},
    {"Meskel (Finding of the True Cross)", 2024, 9, 27, "public,church", "Meskel 2024, 27 September"},
    {"Eid al-Fitr", 2025, 3, 30, "public,expected", "1 Shawwal 1446, Umm al-Qura"},
    {"Martyrs' Day", 2024, 2, 20, "memorial", "87 years on, 20 February 2024 (the Reporter)"},
    {"Nations, Nationalities and Peoples' Day", 2019, 12, 9, "memorial", "9 December 2019 (ENA)"},
    {"International Labour Day", 2025, 5, 1, "public", "Miazia 23 is 1 May until 2099"},
    {"International Labour Day", 2100, 5, 2, "public", "and 2 May from 2100"},
};

TEST(Holidays, KnownDates) {
  for (const Known& k : kKnown) {
    const auto onDay = HolidaysOnDay(GregorianDay(k.gregorianYear, k.gregorianMonth, k.gregorianDay));
    const auto found = std::find_if(onDay.begin(), onDay.end(),
                                    [&](const Holiday& h) { return std::strcmp(h.english, k.english) == 0; });
    ASSERT_NE(found, onDay.end()) << k.source;
    EXPECT_STREQ(HolidayTagText(found->tags), k.tags) << k.source;
  }
}

}  // namespace
