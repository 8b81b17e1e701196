#include "core/calendar/bahire_hasab.h"

#include "core/calendar/calendar_date.h"
#include "core/calendar/fasika_distances.h"

namespace {

// The Ethiopian year 1 is the year 5501 of the world (Amete Alem).
constexpr int kAmeteAlemOfYearZero = 5500;
constexpr int kLunarCycle = 19;
constexpr int kEvangelists = 4;
// The moon falls 11 days behind the 365-day year each year of the cycle.
constexpr int kEpactStep = 11;
constexpr int kLunarMonth = 30;
// Metqi above this lies in Meskerem; at or below it, the moon of Tikimt is meant.
constexpr int kLastTikimtMetqi = 14;
// Tewsak, indexed by the weekday of Beale Metqi (0 = Sunday).
constexpr int kTewsak[7] = {7, 6, 5, 4, 3, 2, 8};
// Mebaja Hamer lies four months on from Beale Metqi's month.
constexpr int kMonthsToNineveh = 4;

const char* const kEvangelistNames[kEvangelists] = {"John", "Matthew", "Mark", "Luke"};
const char* const kEvangelistAmharic[kEvangelists] = {"ዮሐንስ", "ማቴዎስ", "ማርቆስ", "ሉቃስ"};

}  // namespace

BahireHasab ReckonBahireHasab(int year) {
  BahireHasab b{};
  b.ameteAlem = kAmeteAlemOfYearZero + year;
  b.evangelist = static_cast<Evangelist>(b.ameteAlem % kEvangelists);
  b.wenber = (b.ameteAlem - 1) % kLunarCycle;
  b.abekte = b.wenber * kEpactStep % kLunarMonth;
  b.metqi = kLunarMonth - b.abekte;
  const int metqiMonth = b.metqi > kLastTikimtMetqi ? 1 : 2;
  const CalendarDate bealeMetqi(year, metqiMonth, b.metqi, Ethiopian);
  b.bealeMetqi = bealeMetqi.dayNumber;
  b.tewsak = kTewsak[bealeMetqi.weekday];
  const int sum = b.metqi + b.tewsak;
  // Past day 30 the count runs on into the next month.
  const int spill = sum > kLunarMonth;
  b.mebajaHamer = sum - spill * kLunarMonth;
  b.nineveh = CalendarDate(year, metqiMonth + kMonthsToNineveh + spill, b.mebajaHamer, Ethiopian).dayNumber;
  b.fasika = b.nineveh - from_fasika::kNineveh;
  return b;
}

const char* EvangelistName(Evangelist evangelist) { return kEvangelistNames[static_cast<int>(evangelist)]; }

const char* EvangelistAmharic(Evangelist evangelist) { return kEvangelistAmharic[static_cast<int>(evangelist)]; }
