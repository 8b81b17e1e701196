// Every day of the span against ICU's Gregorian (made proleptic) and
// "ethiopic" calendars, and a round trip through the fields; the Islamic
// holidays against ICU's "islamic-umalqura" calendar; the short weekday
// names against ICU's CLDR data.
#include <gtest/gtest.h>
#include <unicode/ucal.h>
#include <unicode/udat.h>
#include <unicode/ustring.h>

#include <memory>
#include <string>

#include "calendar/date_pair.h"
#include "calendar/hijri.h"
#include "calendar/holidays.h"
#include "locale/amharic_names.h"

namespace {

constexpr double kMillisPerDay = 86400000.0;
constexpr int kJdnOfDayZero = 2305447;
constexpr int kJdnOfUnixEpoch = 2440588;

struct Fields {
  int year, month, day, weekday;
};

class IcuCalendar {
 public:
  explicit IcuCalendar(const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    cal_.reset(ucal_open(u"UTC", -1, locale, UCAL_DEFAULT, &status));
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    ucal_setGregorianChange(cal_.get(), -8.64e15, &status);  // no Julian dates
  }
  // The day number of a date in this calendar (month from 1).
  int DayOf(int year, int month, int day) {
    UErrorCode status = U_ZERO_ERROR;
    ucal_clear(cal_.get());
    ucal_set(cal_.get(), UCAL_EXTENDED_YEAR, year);
    ucal_set(cal_.get(), UCAL_MONTH, month - 1);
    ucal_set(cal_.get(), UCAL_DATE, day);
    const double millis = ucal_getMillis(cal_.get(), &status);
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return static_cast<int>(millis / kMillisPerDay) + kJdnOfUnixEpoch - kJdnOfDayZero;
  }
  Fields At(int dayNumber) {
    UErrorCode status = U_ZERO_ERROR;
    ucal_setMillis(cal_.get(), (dayNumber + kJdnOfDayZero - kJdnOfUnixEpoch) * kMillisPerDay, &status);
    return {ucal_get(cal_.get(), UCAL_EXTENDED_YEAR, &status), ucal_get(cal_.get(), UCAL_MONTH, &status) + 1,
            ucal_get(cal_.get(), UCAL_DATE, &status), ucal_get(cal_.get(), UCAL_DAY_OF_WEEK, &status) - 1};
  }

 private:
  struct Closer {
    void operator()(UCalendar* c) const { ucal_close(c); }
  };
  std::unique_ptr<UCalendar, Closer> cal_;
};

void ExpectSame(const CalendarDate& date, const Fields& icu, int dayNumber) {
  ASSERT_TRUE(date.year == icu.year && date.month == icu.month && date.day == icu.day &&
              date.weekday == icu.weekday)
      << "day " << dayNumber << " kind " << KindIndex(date.kind) << ": " << date.year << "/" << int{date.month} << "/"
      << int{date.day} << " w" << int{date.weekday} << ", ICU " << icu.year << "/" << icu.month << "/" << icu.day
      << " w" << icu.weekday;
}

TEST(IcuReference, EveryDayOfTheSpan) {
  IcuCalendar gregorian("en@calendar=gregorian");
  IcuCalendar ethiopic("en@calendar=ethiopic");
  DatePair walked;
  walked.dates[Gregorian].SetFromDayNumber(kFirstSpanDay, Gregorian);
  walked.dates[Ethiopian].SetFromDayNumber(kFirstSpanDay, Ethiopian);
  for (int n = kFirstSpanDay; n <= kLastSpanDay; ++n, walked.NextDay()) {
    DatePair split;
    split.dates[Gregorian].SetFromDayNumber(n, Gregorian);
    split.dates[Ethiopian].SetFromDayNumber(n, Ethiopian);
    ExpectSame(split.dates[Gregorian], gregorian.At(n), n);
    ExpectSame(split.dates[Ethiopian], ethiopic.At(n), n);
    for (CalendarKind kind : {Gregorian, Ethiopian}) {
      const CalendarDate& d = split.dates[kind];
      ASSERT_EQ(CalendarDate(d.year, d.month, d.day, kind).dayNumber, n);
      ASSERT_TRUE(walked.dates[kind].SameDay(d) && walked.dates[kind].weekday == d.weekday) << n;
    }
  }
}

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
TEST(IcuReference, IslamicHolidaysOnTheirUmmAlQuraDays) {
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

// The abbreviated weekdays that %a writes, in English and in Amharic, as
// ICU's CLDR data has them (the weekdays are one in both calendars).
TEST(IcuReference, ShortWeekdayNames) {
  for (const char* locale : {"en", "am"}) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UDateFormat, decltype(&udat_close)> format(
        udat_open(UDAT_NONE, UDAT_NONE, locale, u"UTC", -1, u"EEE", -1, &status), udat_close);
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    const TextStyle style{std::string(locale) == "am", false};
    for (int weekday = 0; weekday < 7; ++weekday) {
      UChar name[32];
      char utf8[64];
      const int32_t length = udat_getSymbols(format.get(), UDAT_SHORT_WEEKDAYS, weekday + 1, name, 32, &status);
      u_strToUTF8(utf8, sizeof utf8, nullptr, name, length, &status);
      ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
      EXPECT_STREQ(WeekdayNameIn(Gregorian, weekday, style, true), utf8) << locale << " " << weekday;
      if (style.amharic) {
        EXPECT_STREQ(WeekdayNameIn(Ethiopian, weekday, style, true), utf8) << weekday;
      }
    }
  }
}

}  // namespace
