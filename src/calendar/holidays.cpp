#include "calendar/holidays.h"

#include <algorithm>

#include "calendar/calendar_date.h"
#include "calendar/hijri.h"

namespace {

// How a holiday's day is found in Ethiopian year Y; a and b as each rule says.
enum class Rule {
  kEthiopian,  // month a, day b of Y
  kGenna,      // Julian 25 December: Tahsas 29, Tahsas 28 when Y is divisible by 4
  kGregorian,  // month a, day b of Gregorian year Y + 8
  kFasika,     // a days from Fasika
  kHijri,      // month a, day b of every Hijri year that has the day within Y
};

struct HolidayRule {
  Rule rule;
  int a, b;
  const char* english;
  const char* amharic;
  unsigned tags;
};

constexpr unsigned kPublicFeast = kPublicHoliday | kChurchDay;
constexpr unsigned kIslamicFeast = kPublicHoliday | kExpectedDate;

// In the order that holidays on one day are listed.
constexpr HolidayRule kRules[] = {
    {Rule::kEthiopian, 1, 1, "Enkutatash (New Year)", "እንቁጣጣሽ", kPublicHoliday},
    {Rule::kEthiopian, 1, 17, "Meskel (Finding of the True Cross)", "መስቀል", kPublicFeast},
    {Rule::kGenna, 4, 29, "Genna (Christmas)", "ገና", kPublicFeast},
    {Rule::kEthiopian, 5, 11, "Timket (Epiphany)", "ጥምቀት", kPublicFeast},
    {Rule::kEthiopian, 6, 23, "Adwa Victory Day", "የዓድዋ ድል በዓል", kPublicHoliday},
    {Rule::kGregorian, 5, 1, "International Labour Day", "የሠራተኞች ቀን", kPublicHoliday},
    {Rule::kEthiopian, 8, 27, "Patriots' Victory Day", "የአርበኞች ቀን", kPublicHoliday},
    {Rule::kEthiopian, 9, 20, "Downfall of the Derg", "ደርግ የወደቀበት ቀን", kPublicHoliday},
    {Rule::kFasika, -69, 0, "Nineveh fast begins", "ጾመ ነነዌ", kChurchDay},
    {Rule::kFasika, -55, 0, "Abiy Tsom (Lent) begins", "ዐቢይ ጾም", kChurchDay},
    {Rule::kFasika, -28, 0, "Debre Zeit", "ደብረ ዘይት", kChurchDay},
    {Rule::kFasika, -7, 0, "Hosanna (Palm Sunday)", "ሆሣዕና", kChurchDay},
    {Rule::kFasika, -2, 0, "Siklet (Good Friday)", "ስቅለት", kPublicFeast},
    {Rule::kFasika, 0, 0, "Fasika (Easter)", "ፋሲካ", kPublicFeast},
    {Rule::kFasika, 24, 0, "Rikbe Kahnat", "ርክበ ካህናት", kChurchDay},
    {Rule::kFasika, 39, 0, "Erget (Ascension)", "ዕርገት", kChurchDay},
    {Rule::kFasika, 49, 0, "Paraclete (Pentecost)", "ጰራቅሊጦስ", kChurchDay},
    {Rule::kFasika, 50, 0, "Tsome Hawaryat begins", "ጾመ ሐዋርያት", kChurchDay},
    {Rule::kHijri, 10, 1, "Eid al-Fitr", "ዒድ አል ፈጥር", kIslamicFeast},
    {Rule::kHijri, 12, 10, "Eid al-Adha", "ዒድ አል አድሐ", kIslamicFeast},
    {Rule::kHijri, 3, 12, "Mawlid", "መውሊድ", kIslamicFeast},
};

constexpr int kFirstHolidayYear = 1;
constexpr int kLastHolidayYear = 9999;
// Ethiopian year Y runs from late summer or autumn of Gregorian Y + 7 (the
// new year drifts from 27 August to 10 November over the span) into Y + 8, so
// 1 May of Y + 8 always lies within it.
constexpr int kGregorianYearsAhead = 8;
// The Ethiopian year 1 is the year 5501 of the world (Amete Alem).
constexpr int kAmeteAlemOfYearZero = 5500;
// Tewsak, indexed by the weekday of Beale Metqi (0 = Sunday): it carries
// Beale Metqi to the Sunday from which the fast of Nineveh is counted.
constexpr int kTewsak[7] = {7, 6, 5, 4, 3, 2, 8};
constexpr int kNinevehToFasika = 69;

// Fasika by Bahire Hasab. Wenber, the year's place in the 19-year cycle,
// gives Abekte (the epact) and Metqi; Metqi above 14 is Beale Metqi's day in
// Meskerem, otherwise in Tikimt. Its weekday's Tewsak gives Mebaja Hamer, the
// day of Nineveh four months on (Tir or Yekatit, spilling into the next month
// past day 30); Fasika follows Nineveh by 69 days.
int FasikaDay(int year) {
  const int wenber = (kAmeteAlemOfYearZero + year - 1) % 19;
  const int abekte = wenber * 11 % 30;
  const int metqi = 30 - abekte;  // an Abekte of 0 gives Meskerem 30
  const int metqiMonth = metqi > 14 ? 1 : 2;
  const CalendarDate bealeMetqi(year, metqiMonth, metqi, Ethiopian);
  int mebajaHamer = metqi + kTewsak[bealeMetqi.weekday];
  int ninevehMonth = metqiMonth + 4;
  if (mebajaHamer > 30) {
    mebajaHamer -= 30;
    ++ninevehMonth;
  }
  return CalendarDate(year, ninevehMonth, mebajaHamer, Ethiopian).dayNumber + kNinevehToFasika;
}

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

// Day order; holidays on one day keep the order of kRules.
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

std::vector<Holiday> HolidaysOfEthiopianYear(int year) {
  std::vector<Holiday> list;
  if (year < kFirstHolidayYear || year > kLastHolidayYear) return list;
  const int first = CalendarDate(year, 1, 1, Ethiopian).dayNumber;
  const int last = first + CalendarDate::DaysInYear(year, Ethiopian) - 1;
  const int fasika = FasikaDay(year);
  list.reserve(32);
  for (const HolidayRule& rule : kRules) {
    switch (rule.rule) {
      case Rule::kEthiopian:
        list.push_back(Make(rule, CalendarDate(year, rule.a, rule.b, Ethiopian).dayNumber));
        break;
      case Rule::kGenna:
        list.push_back(Make(rule, CalendarDate(year, rule.a, rule.b - (year % 4 == 0), Ethiopian).dayNumber));
        break;
      case Rule::kGregorian:
        list.push_back(Make(rule, CalendarDate(year + kGregorianYearsAhead, rule.a, rule.b, Gregorian).dayNumber));
        break;
      case Rule::kFasika:
        list.push_back(Make(rule, fasika + rule.a));
        break;
      case Rule::kHijri:
        AddHijri(rule, first, last, list);
        break;
    }
  }
  SortByDay(list);
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

std::vector<Holiday> HolidaysOnDay(int dayNumber) {
  if (!CalendarDate::InSpan(dayNumber)) return {};
  int year = 0, month = 0, day = 0;
  CalendarDate::SplitDayNumber(dayNumber, year, month, day, Ethiopian);
  return Filter(HolidaysOfEthiopianYear(year), dayNumber, dayNumber);
}

const char* HolidayTagText(unsigned tags) {
  static const char* const kTexts[8] = {
      "", "public", "church", "public,church", "expected", "public,expected", "church,expected", "public,church,expected",
  };
  return kTexts[tags & 7u];
}

std::string HolidayNames(const Holiday& holiday) {
  std::string names = std::string(holiday.english) + " - " + holiday.amharic;
  if (holiday.tags & kExpectedDate) names += " (expected)";
  return names;
}
