#include "core/calendar/holidays.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/calendar/bahire_hasab.h"
#include "core/calendar/calendar_date.h"
#include "core/calendar/hijri.h"
#include "core/calendar/holiday_rule.h"

namespace {

constexpr unsigned kIslamicFeast = kPublicHoliday | kExpectedDate;

// The civil days as Proclamation No. 1334/2024 names them (adopted Sene 4,
// 2016; 11 June 2024), each from the first year it was kept:
// - The law's days, memorial days and Ginbot 20's omission: the
//   proclamation's text (metaappz.com/References/ethiopian_laws/federal/
//   pr_1334_2024), VOA Amharic 11 June 2024 (amharic.voanews.com/a/7651693):
//   national days Meskerem 1, Yekatit 23, Miazia 23 (Labour Day), Miazia 27;
//   memorial days, offices open, Yekatit 12 (Martyrs' Day) and Hidar 29
//   (Nations, Nationalities and Peoples' Day); Ginbot 20, "kept without a
//   proclamation since the Derg fell", left out. ethiopianlaw.com's brief of
//   27 August 2024 still lists Derg Downfall Day and a "Constitution Day" on
//   8 December under the new law; the text and the reports of the vote do not.
// - Ginbot 20: 28 May 1991, kept from its first anniversary, E.C. 1984, to
//   E.C. 2016, the last year before the law (goolgule.com, 29 May 2018).
// - Adwa (1 March 1896, Yekatit 23, 1888): its 123rd anniversary in 2019
//   (waltainfo.com) counts from 1897, E.C. 1889. Chilot (chilot.me, 8 July
//   2021) says Proclamation 29/1996 replaced Adwa Victory Day by a Victory
//   Day; every later list and the 2024 law keep both.
// - Patriots' Victory Day (5 May 1941): "celebrated for the 73rd time" in
//   2014 (ethiopianopinion.com), so first in 1942, E.C. 1934.
// - Martyrs' Day (19 February 1937): the 84th anniversary in 2021 (ENA);
//   the Reporter (21 April 2024) says it is kept "every year since 1941", but
//   Addis Ababa was still occupied on Yekatit 12, 1933 (19 February 1941), so
//   the first is E.C. 1934.
// - Labour Day: a day off since the Derg's Proclamation No. 16/1975
//   (chilot.me), first on 1 May 1975, Miazia 23, 1967. 1334/2024 names it
//   Miazia 23, which is 1 May from 1975 to 2099.
// - Nations, Nationalities and Peoples' Day (the constitution of Hidar 29,
//   1987): the 7th in 2012 (WIC, 22 October 2012) and the 14th in 2019 (ENA)
//   count from December 2006, E.C. 1999; the same WIC report says "since 2007".
// The Islamic days' Amharic names as VOA Amharic writes them in its report
// of the law ("ኢድ-አል አድሃ (አረፋ)፣ መውሊድ እና ኢድ-አል ፈጥር"); fanabc.com writes
// ዒድ, DW Amharic and al-ain ኢድ.
// In the order that holidays on one day are listed: the law's days, then
// the church's (ChurchFeastRules), then the Islamic days.
const HolidayRule kCivilRules[] = {
    {Rule::kEthiopian, 1, 1, "Enkutatash (New Year)", "እንቁጣጣሽ", kPublicHoliday},
    {Rule::kEthiopian, 3, 29, "Nations, Nationalities and Peoples' Day", "የብሔር ብሔረሰቦች ቀን", kMemorial, 1999},
    {Rule::kEthiopian, 6, 12, "Martyrs' Day", "የሰማዕታት ቀን", kMemorial, 1934},
    {Rule::kEthiopian, 6, 23, "Adwa Victory Day", "የዓድዋ ድል በዓል", kPublicHoliday, 1889},
    {Rule::kEthiopian, 8, 23, "International Labour Day", "የሠራተኞች ቀን", kPublicHoliday, 1967},
    {Rule::kEthiopian, 8, 27, "Patriots' Victory Day", "የአርበኞች ቀን", kPublicHoliday, 1934},
    {Rule::kEthiopian, 9, 20, "Downfall of the Derg", "ደርግ የወደቀበት ቀን", kPublicHoliday, 1984, 2016},
};
const HolidayRule kIslamicRules[] = {
    {Rule::kHijri, 10, 1, "Eid al-Fitr", "ኢድ-አል ፈጥር", kIslamicFeast},
    {Rule::kHijri, 12, 10, "Eid al-Adha", "ኢድ-አል አድሃ", kIslamicFeast},
    {Rule::kHijri, 3, 12, "Mawlid", "መውሊድ", kIslamicFeast},
};

// Ethiopian year Y runs from late summer or autumn of Gregorian Y + 7 into Y + 8.
constexpr int kGregorianYearsAhead = 8;

Holiday Make(const HolidayRule& rule, int dayNumber) {
  return {dayNumber, rule.english, rule.amharic, rule.tags};
}

// Every time month a, day b of a Hijri year falls within [first, last];
// none before the Hijra.
void AddHijri(const HolidayRule& rule, int first, int last, std::vector<Holiday>& list) {
  for (int year = std::max(ApproximateHijriYear(first) - 1, 1); year <= ApproximateHijriYear(last) + 1; ++year) {
    const int day = HijriDayNumber(year, rule.a, rule.b);
    if (day >= first && day <= last) list.push_back(Make(rule, day));
  }
}

// What the rules of one year hang on.
struct YearDays {
  int year;
  int fasika;  // day number
};

// The Sunday among the seven days from `first`.
int SundayFrom(const CalendarDate& first) {
  constexpr int kWeek = 7;
  return first.dayNumber + (kWeek - first.weekday) % kWeek;
}

void Add(const HolidayRule& rule, YearDays days, std::vector<Holiday>& list) {
  const int year = days.year;
  switch (rule.rule) {
    case Rule::kEthiopian:
      list.push_back(Make(rule, CalendarDate(year, rule.a, rule.b, Ethiopian).dayNumber));
      break;
    case Rule::kGenna:
      list.push_back(Make(rule, GennaDay(year)));
      break;
    case Rule::kFasika:
      list.push_back(Make(rule, days.fasika + rule.a));
      break;
    case Rule::kSundayFrom:
      list.push_back(Make(rule, SundayFrom(CalendarDate(year, rule.a, rule.b, Ethiopian))));
      break;
    case Rule::kHijri: {
      const int first = CalendarDate(year, 1, 1, Ethiopian).dayNumber;
      AddHijri(rule, first, first + CalendarDate::DaysInYear(year, Ethiopian) - 1, list);
      break;
    }
  }
}

// Day order; holidays on one day keep the order of the tables.
void SortByDay(std::vector<Holiday>& list) {
  std::stable_sort(list.begin(), list.end(),
                   [](const Holiday& x, const Holiday& y) { return x.dayNumber < y.dayNumber; });
}

std::vector<Holiday> Filter(std::vector<Holiday> list, int first, int last) {
  list.erase(std::remove_if(list.begin(), list.end(),
                            [&](const Holiday& h) { return h.dayNumber < first || h.dayNumber > last; }),
             list.end());
  return list;
}

}  // namespace

int GennaDay(int year) {
  constexpr int kTahsas = 4, kGennaDay = 29;
  return CalendarDate(year, kTahsas, kGennaDay - (year % 4 == 0), Ethiopian).dayNumber;
}

std::vector<Holiday> HolidaysOfEthiopianYear(int year) {
  std::vector<Holiday> list;
  if (year < kFirstHolidayYear || year > kLastHolidayYear) return list;
  const YearDays days{year, ReckonBahireHasab(year).fasika};
  list.reserve(64);
  for (HolidayRules rules : {HolidayRules{kCivilRules, std::size(kCivilRules)}, ChurchFeastRules(),
                             HolidayRules{kIslamicRules, std::size(kIslamicRules)}}) {
    for (const HolidayRule& rule : rules) {
      if (year >= rule.firstYear && year <= rule.lastYear) Add(rule, days, list);
    }
  }
  SortByDay(list);
  return list;
}

std::vector<Holiday> MovableFeastsOfEthiopianYear(int year) {
  std::vector<Holiday> list;
  if (year < kFirstHolidayYear || year > kLastHolidayYear) return list;
  const int fasika = ReckonBahireHasab(year).fasika;
  for (const HolidayRule& rule : ChurchFeastRules()) {
    if (rule.rule == Rule::kFasika) list.push_back(Make(rule, fasika + rule.a));
  }
  return list;
}

std::vector<Holiday> HolidaysOfGregorianYear(int year) {
  constexpr int kLastGregorianYear = kLastHolidayYear + kGregorianYearsAhead;
  if (year < kFirstHolidayYear + kGregorianYearsAhead - 1 || year > kLastGregorianYear) return {};
  std::vector<Holiday> list = HolidaysOfEthiopianYear(year - kGregorianYearsAhead);
  const std::vector<Holiday> later = HolidaysOfEthiopianYear(year - kGregorianYearsAhead + 1);
  list.insert(list.end(), later.begin(), later.end());
  const int first = CalendarDate(year, 1, 1, Gregorian).dayNumber;
  return Filter(std::move(list), first, first + CalendarDate::DaysInYear(year, Gregorian) - 1);
}

std::vector<Holiday> HolidaysOfYear(int year, CalendarKind kind) {
  return kind == Ethiopian ? HolidaysOfEthiopianYear(year) : HolidaysOfGregorianYear(year);
}

DaySpan YearSpan(int year, CalendarKind kind) {
  const int first = CalendarDate(year, 1, 1, kind).dayNumber;
  const int last = first + CalendarDate::DaysInYear(year, kind) - 1;
  return {std::max(first, kFirstSpanDay), std::min(last, kLastSpanDay)};
}

std::vector<Holiday> HolidaysOnDay(int dayNumber) {
  if (!CalendarDate::InSpan(dayNumber)) return {};
  int year = 0, month = 0, day = 0;
  CalendarDate::SplitDayNumber(dayNumber, year, month, day, Ethiopian);
  return Filter(HolidaysOfEthiopianYear(year), dayNumber, dayNumber);
}

const char* HolidayTagText(unsigned tags) {
  constexpr int kTags = 6;
  static const std::array<std::string, 1u << kTags> kTexts = [] {
    const char* const names[kTags] = {"public", "church", "expected", "memorial", "major", "minor"};
    std::array<std::string, 1u << kTags> texts;
    for (unsigned bits = 0; bits < texts.size(); ++bits) {
      for (int tag = 0; tag < kTags; ++tag) {
        if (bits & (1u << tag)) texts[bits] += (texts[bits].empty() ? "" : ",") + std::string(names[tag]);
      }
    }
    return texts;
  }();
  return kTexts[tags & (kTexts.size() - 1)].c_str();
}

std::string HolidayNames(const Holiday& holiday) {
  std::string names = std::string(holiday.english) + " - " + holiday.amharic;
  if (holiday.tags & kExpectedDate) names += " (expected)";
  return names;
}
