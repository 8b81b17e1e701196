// The date rules: division before the epoch, leap years, steps, the pair of
// readings, and every day of the span against ICU's Gregorian (made
// proleptic) and "ethiopic" calendars with a round trip through the fields.
#include <gtest/gtest.h>

#include <climits>

#include "core/calendar/date_pair.h"
#include "core/calendar/floor_division.h"
#include "icu_calendar.h"

namespace {

// Days and years before an epoch: the quotient rounds down, the remainder is
// never negative, on both sides of zero and at the ends of the range.
TEST(FloorDivision, RoundsTowardMinusInfinity) {
  const struct {
    long long a, b, quotient, remainder;
  } kCases[] = {
      {7, 4, 1, 3},        {4, 4, 1, 0},
      {0, 4, 0, 0},        {-1, 4, -1, 3},
      {-4, 4, -1, 0},      {-5, 4, -2, 3},
      {-6, 7, -1, 1},      {-1, 146097, -1, 146096},
      {-146097, 146097, -1, 0},        {-146098, 146097, -2, 146096},
      {LLONG_MIN, 4, LLONG_MIN / 4, 0}, {LLONG_MAX, 400, LLONG_MAX / 400, LLONG_MAX % 400},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(FloorDiv(c.a, c.b), c.quotient) << c.a << " / " << c.b;
    EXPECT_EQ(FloorMod(c.a, c.b), c.remainder) << c.a << " % " << c.b;
  }
}

TEST(CalendarDate, LeapYears) {
  EXPECT_TRUE(CalendarDate::IsLeapYear(2000, Gregorian));
  EXPECT_FALSE(CalendarDate::IsLeapYear(2100, Gregorian));
  EXPECT_TRUE(CalendarDate::IsLeapYear(2008, Gregorian));
  EXPECT_TRUE(CalendarDate::IsLeapYear(1999, Ethiopian));
  EXPECT_FALSE(CalendarDate::IsLeapYear(2000, Ethiopian));
  EXPECT_EQ(CalendarDate(2100, 2, 1, Gregorian).DaysInMonth(), 28);
  EXPECT_EQ(CalendarDate(1999, 13, 1, Ethiopian).DaysInMonth(), 6);
  EXPECT_EQ(CalendarDate(2000, 13, 1, Ethiopian).DaysInMonth(), 5);
}

TEST(CalendarDate, DayStepsCrossMonthsAndYears) {
  CalendarDate d(2000, 13, 5, Ethiopian);
  d.NextDay();
  EXPECT_TRUE(d.SameDay(CalendarDate(2001, 1, 1, Ethiopian)));
  d = CalendarDate(1999, 13, 5, Ethiopian);
  d.NextDay();
  EXPECT_TRUE(d.SameDay(CalendarDate(1999, 13, 6, Ethiopian)));
  d = CalendarDate(2000, 1, 1, Ethiopian);
  d.PrevDay();
  EXPECT_TRUE(d.SameDay(CalendarDate(1999, 13, 6, Ethiopian)));
  EXPECT_EQ(d.dayNumber, 148908);
  d = CalendarDate(2008, 3, 1, Gregorian);
  d.PrevDay();
  EXPECT_TRUE(d.SameDay(CalendarDate(2008, 2, 29, Gregorian)));
  d = CalendarDate(2008, 11, 29, Gregorian);  // a Saturday
  EXPECT_EQ(d.NextDay().weekday, 0);
  EXPECT_EQ(d.PrevDay().weekday, 6);
}

TEST(CalendarDate, MonthAndYearStepsClampTheDay) {
  const struct {
    CalendarDate start;
    int (CalendarDate::*step)();
    CalendarDate expected;
  } kSteps[] = {
      {{2009, 1, 31, Gregorian}, &CalendarDate::NextMonth, {2009, 2, 28, Gregorian}},
      {{2008, 3, 31, Gregorian}, &CalendarDate::PrevMonth, {2008, 2, 29, Gregorian}},
      {{2008, 2, 29, Gregorian}, &CalendarDate::NextYear, {2009, 2, 28, Gregorian}},
      {{2008, 12, 31, Gregorian}, &CalendarDate::NextMonth, {2009, 1, 31, Gregorian}},
      {{1999, 13, 6, Ethiopian}, &CalendarDate::NextYear, {2000, 13, 5, Ethiopian}},
      {{2003, 13, 6, Ethiopian}, &CalendarDate::PrevYear, {2002, 13, 5, Ethiopian}},
      {{2000, 12, 30, Ethiopian}, &CalendarDate::NextMonth, {2000, 13, 5, Ethiopian}},
      {{2000, 13, 5, Ethiopian}, &CalendarDate::NextMonth, {2001, 1, 5, Ethiopian}},
      {{2001, 1, 30, Ethiopian}, &CalendarDate::PrevMonth, {2000, 13, 5, Ethiopian}},
  };
  for (const auto& s : kSteps) {
    CalendarDate d = s.start;
    (d.*s.step)();
    EXPECT_TRUE(d.SameDay(s.expected)) << s.start.Format() << " -> " << d.Format();
    EXPECT_EQ(d.dayNumber, s.expected.dayNumber);
    EXPECT_EQ(d.weekday, s.expected.weekday);
  }
}

TEST(DatePair, StepsKeepBothReadingsOnOneDay) {
  DatePair p(2009, 1, 31, Gregorian);
  p.NextMonth(Gregorian);
  EXPECT_EQ(p.Day(Gregorian), 28);
  EXPECT_TRUE(p.SameDay(DatePair(2009, 2, 28, Gregorian)));
  p.NextDay();
  EXPECT_TRUE(p.SameDay(DatePair(2009, 3, 1, Gregorian)));
  p = DatePair(1999, 13, 6, Ethiopian);
  p.SetYear(Ethiopian, 2000);
  EXPECT_TRUE(p.SameDay(DatePair(2000, 13, 5, Ethiopian)));
  p = DatePair(2000, 1, 30, Ethiopian);
  p.SetMonth(Ethiopian, 13);
  EXPECT_TRUE(p.SameDay(DatePair(2000, 13, 5, Ethiopian)));
  p = DatePair(2000, 1, 1, Ethiopian);
  p.NextMonth(Ethiopian);
  EXPECT_TRUE(p.SameDay(DatePair(2007, 10, 12, Gregorian)));
}

TEST(DatePair, WeekdaysBeforeTheCountsOrigin) {
  // 31 December 1599 is a Friday; Meskerem 1 of year 1 (27 August 8) a Wednesday.
  EXPECT_EQ(DatePair(1599, 12, 31, Gregorian).Weekday(), 5);
  EXPECT_EQ(DatePair(1599, 12, 31, Gregorian).dates[Gregorian].dayNumber, 0);
  EXPECT_EQ(DatePair(1, 1, 1, Ethiopian).Weekday(), 3);
  DatePair p(1, 1, 7, Ethiopian);
  for (int i = 0; i < 6; ++i) p.PrevDay();
  EXPECT_TRUE(p.SameDay(DatePair(8, 8, 27, Gregorian)));
}

void ExpectSame(const CalendarDate& date, const Fields& icu, int dayNumber) {
  ASSERT_TRUE(date.year == icu.year && date.month == icu.month && date.day == icu.day &&
              date.weekday == icu.weekday)
      << "day " << dayNumber << " kind " << KindIndex(date.kind) << ": " << date.year << "/" << int{date.month} << "/"
      << int{date.day} << " w" << int{date.weekday} << ", ICU " << icu.year << "/" << icu.month << "/" << icu.day
      << " w" << icu.weekday;
}

TEST(CalendarDate, EveryDayOfTheSpanAgainstIcu) {
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

}  // namespace
