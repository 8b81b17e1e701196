#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar/calendar_kind.h"
#include "core/language/language.h"

// What a holiday is; one holiday may carry several of these bits.
enum HolidayTag : unsigned {
  kPublicHoliday = 1u << 0,  // a day off by law
  kChurchDay = 1u << 1,      // a feast or fast of the Ethiopian Orthodox Church
  kExpectedDate = 1u << 2,   // follows the moon's sighting; the date is the expected one
  kMemorial = 1u << 3,       // named by law to be remembered, with offices open
  kMajorFeast = 1u << 4,     // one of the nine major feasts of the Lord
  kMinorFeast = 1u << 5,     // one of the nine minor feasts of the Lord
};

struct Holiday {
  std::int32_t dayNumber;  // in the calendars' span
  const char* english;     // static text
  const char* amharic;     // static text, UTF-8 Ethiopic script
  unsigned tags;           // HolidayTag bits
};

// The holidays of one Ethiopian year, in day order; empty for a year outside
// [1, 9999]. An Islamic holiday appears once for each time it falls in the year.
std::vector<Holiday> HolidaysOfEthiopianYear(int year);
// The holidays whose day lies in Gregorian year `year`, in day order; days
// outside the calendars' span are left out.
std::vector<Holiday> HolidaysOfGregorianYear(int year);
// The holidays of one year of either calendar: one of the two above.
std::vector<Holiday> HolidaysOfYear(int year, CalendarKind kind);

// A stretch of day numbers, both ends in it.
struct DaySpan {
  int first, last;
};
// The days of one year of the calendar, cut to the calendars' span.
DaySpan YearSpan(int year, CalendarKind kind);
// Genna's day number in Ethiopian year `year`: Tahsas 29, or Tahsas 28 when
// the year is divisible by 4 (Julian 25 December either way).
int GennaDay(int year);
// The feasts and fasts of Ethiopian year `year` that move with Fasika, in day
// order; empty for a year outside [1, 9999].
std::vector<Holiday> MovableFeastsOfEthiopianYear(int year);
// The holidays on one day, in the order of their year's list.
std::vector<Holiday> HolidaysOnDay(int dayNumber);
// "public", "church", "expected", "memorial", "major", "minor" joined by
// commas, in that order.
const char* HolidayTagText(unsigned tags);
// A day of the church that the law gives no day off: shown apart from a day
// off's red.
inline bool ChurchDayOnly(const Holiday& holiday) {
  return (holiday.tags & kChurchDay) && !(holiday.tags & kPublicHoliday);
}
// The holiday's name in Amharic when asked, else in English; static text.
inline const char* NameIn(const Holiday& holiday, Language language) {
  return language == Language::kAmharic ? holiday.amharic : holiday.english;
}
// "English - Amharic", and " (expected)" after a date that awaits the moon.
std::string HolidayNames(const Holiday& holiday);
