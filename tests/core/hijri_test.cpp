// The Islamic holidays against ICU's "islamic-umalqura" calendar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calendar/date_pair.h"
#include "core/calendar/hijri.h"
#include "core/calendar/holidays.h"
#include "icu_calendar.h"

namespace {

// The Umm al-Qura day that names an Islamic holiday, or "".
std::string IslamicHolidayOn(const Fields& hijri) {
  if (hijri.year < 1) return "";
  if (hijri.month == 10 && hijri.day == 1) return "Eid al-Fitr";
  if (hijri.month == 12 && hijri.day == 10) return "Eid al-Adha";
  if (hijri.month == 3 && hijri.day == 12) return "Mawlid";
  return "";
}

// ICU's Umm al-Qura data, whose years 1300-1600 (Gregorian 1882-2174) the
// program's table copies, a little past both ends of the table, and the
// tabular calendar ICU falls back to outside them, at the span's two ends.
// Every Ethiopian year of the runs is walked whole, so the Hijri years that
// straddle its edges are met.
TEST(Hijri, IslamicHolidaysOnTheirUmmAlQuraDays) {
  IcuCalendar umalqura("en@calendar=islamic-umalqura");
  const int gregorian1878 = CalendarDate(1878, 1, 1, Gregorian).dayNumber;
  const int gregorian2180 = CalendarDate(2180, 1, 1, Gregorian).dayNumber;
  const int kRuns[][2] = {{kFirstSpanDay, kFirstSpanDay + 2000}, {gregorian1878, gregorian2180},
                          {kLastSpanDay - 2000, kLastSpanDay}};
  // The first of every month, which the holidays alone do not reach, in the
  // table's years and one either side.
  for (int year = 1299; year <= 1601; ++year) {
    for (int month = 1; month <= 12; ++month)
      ASSERT_EQ(HijriDayNumber(year, month, 1), umalqura.DayOf(year, month, 1)) << year << "/" << month;
  }
  for (const auto& run : kRuns) {
    CalendarDate cursor;
    cursor.SetFromDayNumber(run[0], Ethiopian);
    std::vector<Holiday> list = HolidaysOfEthiopianYear(cursor.year);
    for (int n = run[0]; n <= run[1]; ++n, cursor.NextDay()) {
      if (cursor.month == 1 && cursor.day == 1) list = HolidaysOfEthiopianYear(cursor.year);
      std::string listed;
      for (const Holiday& h : list)
        if (h.dayNumber == n && (h.tags & kExpectedDate)) listed += h.english;
      const Fields hijri = umalqura.At(n);
      ASSERT_EQ(listed, IslamicHolidayOn(hijri)) << "day " << n << ", Hijri " << hijri.year << "/" << hijri.month
                                                  << "/" << hijri.day;
    }
  }
}

}  // namespace
