#include "core/church/fasts.h"

#include <algorithm>

#include "core/calendar/bahire_hasab.h"
#include "core/calendar/calendar_date.h"
#include "core/calendar/fasika_distances.h"
#include "core/calendar/floor_division.h"
#include "core/calendar/holidays.h"

namespace {

// The periods and their days, as the Ethiopian Orthodox Tewahedo Church
// teaches them (its list of fasts as quoted at sonicyouth.com/gossip
// post 542406, and madaboutparis.com's copy of the same church text):
// - Tsome Nebiyat from Hidar 15 "to Christmas eve", the Gehad of Genna being
//   that eve: Tahsas 28, or Tahsas 27 when Genna falls on Tahsas 28. The list
//   counts the fast as 43 days, one fewer than Hidar 15 to Tahsas 28; it
//   counts the eve apart, as here too the Gehad is its own period.
// - The Gehad of Timket: Tir 10.
// - Tsome Nenewe: Monday to Wednesday, "two weeks before Abiy Tsom"
//   (docslib.org, "The seven major fasts", Tigist Lakew); eotcmk.org, "Fast
//   of Nineveh": "a three-day fast starting Monday to Wednesday".
// - Abiy Tsom: 55 days, from its Monday to the Saturday before Fasika
//   (tesfatours.com, "The Great Lenten Fast in Ethiopia").
// - Tsome Hawaryat: from the Monday after Paraclete to Hamle 4, the eve of
//   the feast of Peter and Paul on Hamle 5.
// - Tsome Filseta: Nehase 1 to Nehase 15, the eve of Filseta (the Assumption)
//   on Nehase 16. No source found names the last day outright; some say
//   Filseta is "celebrated for 16 days" (insolve.com), counting the feast in.
// - Wednesday and Friday every week, "except the 50 days between Easter and
//   Pentecost" (the same church list) and when Genna or Timket falls on one.
constexpr int kHidar = 3, kTir = 5, kHamle = 11, kNehase = 12;
constexpr int kNebiyatFirstDay = 15;
constexpr int kTimketDay = 11;
constexpr int kHawaryatLastDay = 4;
constexpr int kFilsetaLastDay = 15;

int Day(int year, int month, int day) { return CalendarDate(year, month, day, Ethiopian).dayNumber; }

// The fasts' Amharic names, as the church's own writers spell them: ጾመ ነቢያት,
// ጾመ ገሃድ, ጾመ ነነዌ, ጾመ ሐዋርያት, ጾመ ፍልሰታ and, for the Wednesdays and Fridays,
// ጾመ ድኅነት (ttadesse.wordpress.com, 11 April 2016, the church's seven fasts);
// ጾመ ነነዌ and ዐቢይ ጾም (tgstat.com, channel Ethiopian_Ortodoks, post 3366);
// "ጾመ ድኅነት (የዓርብ ረቡዕ ጾም)" (gundemeskel.blogspot.com, November 2015). The
// first, written in Tigrinya, spells the Great Fast ዓቢይ ጾም where the second,
// in Amharic, spells it ዐቢይ ጾም, as the holidays here do. No stored Amharic
// page names the two eves; they take the first's ገሃድ.
enum FastIndex { kNebiyat, kGennaEve, kTimketEve, kNenewe, kAbiyTsom, kHawaryat, kFilseta, kWednesday, kFriday };
const ChurchName kFastNames[] = {
    {"Tsome Nebiyat", "ጾመ ነቢያት"},
    {"Gehad of Genna", "የገና ገሃድ"},
    {"Gehad of Timket", "የጥምቀት ገሃድ"},
    {"Tsome Nenewe (Nineveh)", "ጾመ ነነዌ"},
    {"Abiy Tsom", "ዐቢይ ጾም"},
    {"Tsome Hawaryat", "ጾመ ሐዋርያት"},
    {"Tsome Filseta", "ጾመ ፍልሰታ"},
    {"Wednesday fast", "የረቡዕ ጾም"},
    {"Friday fast", "የዓርብ ጾም"},
};

}  // namespace

ChurchYear ReckonChurchYear(int year) {
  ChurchYear church{};
  church.year = year;
  church.fasika = ReckonBahireHasab(year).fasika;
  church.genna = GennaDay(year);
  church.timket = Day(year, kTir, kTimketDay);
  const int gennaEve = church.genna - 1, timketEve = church.timket - 1;
  const int nineveh = church.fasika + from_fasika::kNineveh;
  church.fasts = {{
      {Day(year, kHidar, kNebiyatFirstDay), gennaEve, &kFastNames[kNebiyat]},
      {gennaEve, gennaEve, &kFastNames[kGennaEve]},
      {timketEve, timketEve, &kFastNames[kTimketEve]},
      {nineveh, nineveh + from_fasika::kNinevehDays - 1, &kFastNames[kNenewe]},
      {church.fasika + from_fasika::kAbiyTsom, church.fasika - 1, &kFastNames[kAbiyTsom]},
      {church.fasika + from_fasika::kHawaryat, Day(year, kHamle, kHawaryatLastDay), &kFastNames[kHawaryat]},
      {Day(year, kNehase, 1), Day(year, kNehase, kFilsetaLastDay), &kFastNames[kFilseta]},
  }};
  return church;
}

const ChurchName* FastOnDay(const ChurchYear& church, int dayNumber) {
  const ChurchName* fast = nullptr;
  FastsOnDays(church, dayNumber, 1, &fast);
  return fast;
}

namespace {

// fasts[day - firstDay] = fast for the days of [from, to] among the count.
void Lay(int from, int to, const ChurchName* fast, int firstDay, int count, const ChurchName** fasts) {
  for (int day = std::max(from, firstDay); day <= std::min(to, firstDay + count - 1); ++day) fasts[day - firstDay] = fast;
}

}  // namespace

void FastsOnDays(const ChurchYear& church, int firstDay, int count, const ChurchName** fasts) {
  static const ChurchName* const kWeekly[7] = {nullptr, nullptr, nullptr, &kFastNames[kWednesday],
                                               nullptr, &kFastNames[kFriday], nullptr};
  int weekday = static_cast<int>((FloorMod(firstDay, 7) + 5) % 7);  // day 1 is a Saturday
  for (int i = 0; i < count; ++i) {
    fasts[i] = kWeekly[weekday];
    if (++weekday == 7) weekday = 0;
  }
  Lay(church.fasika, church.fasika + from_fasika::kParaclete, nullptr, firstDay, count, fasts);
  Lay(church.genna, church.genna, nullptr, firstDay, count, fasts);
  Lay(church.timket, church.timket, nullptr, firstDay, count, fasts);
  // A later period that holds a day is the narrower one: the eve of Genna
  // comes after Tsome Nebiyat.
  for (const FastPeriod& period : church.fasts) Lay(period.firstDay, period.lastDay, period.name, firstDay, count, fasts);
}

std::vector<FastPeriod> FastsBeginningBetween(int firstDay, int lastDay) {
  int firstYear = 0, lastYear = 0, month = 0, day = 0;
  CalendarDate::SplitDayNumber(firstDay, firstYear, month, day, Ethiopian);
  CalendarDate::SplitDayNumber(lastDay, lastYear, month, day, Ethiopian);
  std::vector<FastPeriod> fasts;
  for (int year = firstYear; year <= lastYear; ++year) {
    for (const FastPeriod& fast : ReckonChurchYear(year).fasts) {
      if (fast.firstDay >= firstDay && fast.firstDay <= lastDay) fasts.push_back(fast);
    }
  }
  return fasts;
}

std::vector<FastPeriod> FastsOfYear(int year, CalendarKind kind) {
  const DaySpan span = YearSpan(year, kind);
  return FastsBeginningBetween(span.first, span.last);
}
