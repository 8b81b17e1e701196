// The holidays and Bahire Hasab against independent reckonings (the Julian
// calendar's Easter and Christmas) for every year, a table of known dates,
// the years each civil day is kept, and the span's edges.
#include <gtest/gtest.h>

#include <cstring>

#include "calendar/bahire_hasab.h"
#include "calendar/date_pair.h"
#include "calendar/holidays.h"

namespace {

// Day number of a Julian-calendar date (year > 0), by way of its Julian Day Number.
int JulianCalendarDay(int year, int month, int day) {
  const int a = (14 - month) / 12, y = year + 4800 - a, m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083 - 2305447;  // as a day number
}

// The Paschal full moon's distance from 21 March, Julian (Meeus).
int PaschalMoon(int year) { return (19 * (year % 19) + 15) % 30; }

// Easter in the Julian calendar by the Alexandrian computus (Meeus).
int JulianEaster(int year) {
  const int d = PaschalMoon(year);
  const int e = (2 * (year % 4) + 4 * (year % 7) - d + 34) % 7;
  return JulianCalendarDay(year, (d + e + 114) / 31, (d + e + 114) % 31 + 1);
}

const Holiday* Find(const std::vector<Holiday>& list, const char* english) {
  for (const Holiday& h : list)
    if (std::strcmp(h.english, english) == 0) return &h;
  return nullptr;
}

int DayOf(const std::vector<Holiday>& list, const char* english) {
  const Holiday* found = Find(list, english);
  return found ? found->dayNumber : 0;
}

TEST(Holidays, EveryYearAgreesWithTheJulianComputus) {
  constexpr int kMonthsToNineveh = 4, kMonday = 1;
  for (int year = 1; year <= 9999; ++year) {
    const auto list = HolidaysOfEthiopianYear(year);
    const int julian = year + 8;  // Fasika falls in Gregorian (and Julian) year Y + 8, Genna at the end of Y + 7
    ASSERT_EQ(DayOf(list, "Fasika (Easter)"), JulianEaster(julian)) << year;
    ASSERT_EQ(DayOf(list, "Genna (Christmas)"), JulianCalendarDay(julian - 1, 12, 25)) << year;
    // Bahire Hasab's figures, each tied to the computus or the calendar; the
    // years whose Abekte is 0 are among them.
    const BahireHasab b = ReckonBahireHasab(year);
    ASSERT_EQ(b.fasika, JulianEaster(julian)) << year;
    ASSERT_EQ(b.wenber, julian % 19) << year;
    ASSERT_EQ(b.abekte + b.metqi, 30) << year;
    ASSERT_EQ((b.metqi + 15) % 30, PaschalMoon(julian)) << year;
    ASSERT_EQ(b.evangelist == Evangelist::kJohn, CalendarDate::IsLeapYear(year - 1, Ethiopian) != 0) << year;
    const DatePair metqi = DatePair::OfDay(b.bealeMetqi), nineveh = DatePair::OfDay(b.nineveh);
    ASSERT_EQ(metqi.Day(Ethiopian), b.metqi) << year;
    ASSERT_EQ(metqi.Month(Ethiopian), b.metqi > 14 ? 1 : 2) << year;
    ASSERT_EQ(b.nineveh, b.bealeMetqi + kMonthsToNineveh * 30 + b.tewsak) << year;
    ASSERT_EQ(nineveh.Day(Ethiopian), b.mebajaHamer) << year;
    ASSERT_EQ(nineveh.Weekday(), kMonday) << year;
    ASSERT_EQ(b.fasika - b.nineveh, 69) << year;
    const int first = CalendarDate(year, 1, 1, Ethiopian).dayNumber;
    const int last = first + CalendarDate::DaysInYear(year, Ethiopian) - 1;
    for (size_t i = 0; i < list.size(); ++i) {
      ASSERT_TRUE(list[i].dayNumber >= first && list[i].dayNumber <= last) << year << " " << list[i].english;
      ASSERT_TRUE(i == 0 || list[i - 1].dayNumber <= list[i].dayNumber) << year << " " << list[i].english;
    }
  }
}

struct Known {
  const char* english;
  int ethiopianYear, ethiopianMonth, ethiopianDay;
  int gregorianYear, gregorianMonth, gregorianDay;
  const char* tags;
  const char* source;
};

const Known kKnown[] = {
    {"Fasika (Easter)", 2016, 8, 27, 2024, 5, 5, "public,church", "Orthodox Easter 2024 was 5 May"},
    {"Patriots' Victory Day", 2016, 8, 27, 2024, 5, 5, "public", "fell on Fasika in 2024"},
    {"Genna (Christmas)", 2016, 4, 28, 2024, 1, 7, "public,church", "Ethiopian Christmas 2024, 7 January"},
    {"Timket (Epiphany)", 2016, 5, 11, 2024, 1, 20, "public,church", "Timket 2024, 20 January"},
    {"Enkutatash (New Year)", 2016, 1, 1, 2023, 9, 12, "public", "Ethiopian New Year 2016, 12 September 2023"},
    {"Meskel (Finding of the True Cross)", 2017, 1, 17, 2024, 9, 27, "public,church", "Meskel 2024, 27 September"},
    {"Eid al-Fitr", 2017, 7, 21, 2025, 3, 30, "public,expected", "1 Shawwal 1446, Umm al-Qura"},
    {"Martyrs' Day", 2016, 6, 12, 2024, 2, 20, "memorial", "87 years on, 20 February 2024 (the Reporter)"},
    {"Nations, Nationalities and Peoples' Day", 2012, 3, 29, 2019, 12, 9, "memorial", "9 December 2019 (ENA)"},
    {"International Labour Day", 2017, 8, 23, 2025, 5, 1, "public", "Miazia 23 is 1 May until 2099"},
    {"International Labour Day", 2092, 8, 23, 2100, 5, 2, "public", "and 2 May from 2100"},
};

// The Ethiopian years in which each civil day is kept by law or custom.
struct Kept {
  const char* english;
  int first, last;
};

const Kept kKept[] = {
    {"Adwa Victory Day", 1889, 9999},
    {"Patriots' Victory Day", 1934, 9999},
    {"Martyrs' Day", 1934, 9999},
    {"International Labour Day", 1967, 9999},
    {"Downfall of the Derg", 1984, 2016},  // no day off by the law of 2024
    {"Nations, Nationalities and Peoples' Day", 1999, 9999},
};

TEST(Holidays, CivilDaysOnlyInTheYearsTheyAreKept) {
  for (const Kept& k : kKept) {
    EXPECT_FALSE(Find(HolidaysOfEthiopianYear(k.first - 1), k.english)) << k.english;
    EXPECT_TRUE(Find(HolidaysOfEthiopianYear(k.first), k.english)) << k.english;
    EXPECT_TRUE(Find(HolidaysOfEthiopianYear(k.last), k.english)) << k.english;
    EXPECT_FALSE(Find(HolidaysOfEthiopianYear(k.last + 1), k.english)) << k.english;
  }
}

TEST(Holidays, KnownDates) {
  for (const Known& k : kKnown) {
    const DatePair day(k.gregorianYear, k.gregorianMonth, k.gregorianDay, Gregorian);
    ASSERT_TRUE(day.SameDay(DatePair(k.ethiopianYear, k.ethiopianMonth, k.ethiopianDay, Ethiopian))) << k.source;
    const int n = day.dates[Gregorian].dayNumber;
    EXPECT_EQ(DayOf(HolidaysOfEthiopianYear(k.ethiopianYear), k.english), n) << k.source;
    EXPECT_EQ(DayOf(HolidaysOfGregorianYear(k.gregorianYear), k.english), n) << k.source;
    const auto onDay = HolidaysOnDay(n);
    const Holiday* found = Find(onDay, k.english);
    ASSERT_TRUE(found) << k.source;
    EXPECT_STREQ(HolidayTagText(found->tags), k.tags) << k.source;
  }
}

TEST(Holidays, NothingOutsideTheSpan) {
  EXPECT_TRUE(HolidaysOfEthiopianYear(0).empty());
  EXPECT_TRUE(HolidaysOfEthiopianYear(10000).empty());
  EXPECT_TRUE(HolidaysOnDay(kFirstSpanDay - 1).empty());
  EXPECT_TRUE(HolidaysOnDay(kLastSpanDay + 1).empty());
  EXPECT_TRUE(HolidaysOfGregorianYear(7).empty());
  EXPECT_TRUE(HolidaysOfGregorianYear(10008).empty());
  // The edges themselves: Ethiopian year 1 begins the span, 9999 ends it.
  EXPECT_STREQ(HolidaysOnDay(kFirstSpanDay).at(0).english, "Enkutatash (New Year)");
  EXPECT_EQ(HolidaysOfGregorianYear(8).front().dayNumber, kFirstSpanDay);
  EXPECT_LE(HolidaysOfGregorianYear(10007).back().dayNumber, kLastSpanDay);
  EXPECT_EQ(HolidaysOfEthiopianYear(9999).front().dayNumber, CalendarDate(9999, 1, 1, Ethiopian).dayNumber);
}

}  // namespace
