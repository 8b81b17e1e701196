#include "core/calendar/navigation.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/calendar/clock_source.h"
#include "fixed_clock.h"
#include "reference_dates.h"

namespace {

// Every step at the places where a guard decides: the span's ends, the last
// entry year, a thirteenth month, a day cut back to a shorter month. The day
// is read in the base calendar.
TEST(Navigation, StepsStopAtTheSpanAndTheLastYear) {
  const struct {
    Day from;
    CalendarKind base;
    Step step;
    Day to;
  } kSteps[] = {
      {{2001, 3, 20}, Ethiopian, Step::kNextMonth, {2001, 4, 20}},
      {{2001, 3, 20}, Ethiopian, Step::kPrevWeek, {2001, 3, 13}},
      {{2001, 3, 30}, Ethiopian, Step::kNextWeek, {2001, 4, 7}},
      {{2001, 12, 30}, Ethiopian, Step::kNextMonth, {2001, 13, 5}},
      {{2003, 13, 6}, Ethiopian, Step::kNextYear, {2004, 13, 5}},
      {{2008, 1, 31}, Gregorian, Step::kNextMonth, {2008, 2, 29}},
      {{2008, 2, 29}, Gregorian, Step::kPrevYear, {2007, 2, 28}},
      {{9999, 12, 1}, Ethiopian, Step::kNextYear, {9999, 12, 1}},
      {{9999, 12, 1}, Ethiopian, Step::kNextMonth, {9999, 13, 1}},
      {{9999, 13, 1}, Ethiopian, Step::kNextMonth, {9999, 13, 1}},
      {{9998, 13, 1}, Ethiopian, Step::kNextYear, {9999, 13, 1}},
      {{9999, 12, 15}, Gregorian, Step::kNextYear, {9999, 12, 15}},
      {{9999, 12, 15}, Gregorian, Step::kNextMonth, {10000, 1, 15}},
      {{10000, 1, 15}, Gregorian, Step::kNextMonth, {10000, 1, 15}},
      {{10000, 1, 15}, Gregorian, Step::kNextYear, {10000, 1, 15}},
      {{10000, 1, 15}, Gregorian, Step::kPrevYear, {9999, 1, 15}},
      {{1604, 1, 1}, Ethiopian, Step::kPrevYear, {1603, 1, 1}},
      {{1, 1, 1}, Ethiopian, Step::kPrevDay, {1, 1, 1}},
      {{1, 1, 1}, Ethiopian, Step::kPrevMonth, {1, 1, 1}},
      {{1, 1, 1}, Ethiopian, Step::kPrevYear, {1, 1, 1}},
      {{1, 1, 5}, Ethiopian, Step::kPrevWeek, {1, 1, 5}},
      {{1, 13, 5}, Ethiopian, Step::kPrevYear, {1, 13, 5}},
      {{8, 9, 20}, Gregorian, Step::kPrevMonth, {8, 9, 20}},
      {{9999, 13, 6}, Ethiopian, Step::kNextDay, {9999, 13, 6}},
      {{9999, 13, 2}, Ethiopian, Step::kNextWeek, {9999, 13, 2}},
      {{10007, 11, 10}, Gregorian, Step::kNextDay, {10007, 11, 10}},
  };
  for (const auto& s : kSteps) {
    const DatePair moved = Stepped(On(s.from, s.base), s.base, s.step);
    EXPECT_TRUE(moved.SameDay(On(s.to, s.base)))
        << s.from.year << "/" << s.from.month << "/" << s.from.day << " step " << static_cast<int>(s.step);
    EXPECT_EQ(moved.Weekday(), On(s.to, s.base).Weekday());
  }
}

// Today comes from the clock, clamped to the span's nearest day.
TEST(Navigation, TodayIsTheClocksDayInTheSpan) {
  const struct {
    std::time_t seconds;
    Day ethiopian;
  } kClocks[] = {
      {1227949200, {2001, 3, 20}},       // 29 November 2008
      {-62135596800, {1, 1, 1}},          // 1 January 1: before the span
      {-61901582400, {1, 1, 1}},          // 1 June 8: in its first year, before its first day
      {253652126400, {9999, 13, 6}},      // 1 December 10007: in its last year, after its last day
      {253402300800 * 2, {9999, 13, 6}},  // past the year 10007
      {1200000000000, {9999, 13, 6}},     // past what a 16-bit year holds
      {std::numeric_limits<std::time_t>::max(), {9999, 13, 6}},  // past what the C library breaks down
      {std::numeric_limits<std::time_t>::min(), {1, 1, 1}},
  };
  for (const auto& c : kClocks) {
    FixClockAt(c.seconds);
    const DatePair today = Stepped(On({2001, 1, 1}, Ethiopian), Ethiopian, Step::kToday);
    EXPECT_TRUE(today.SameDay(On(c.ethiopian, Ethiopian))) << c.seconds;
  }
}

TEST(Navigation, MidnightIsJustAhead) {
  setenv("TZ", "UTC", 1);
  tzset();
  const struct {
    std::time_t seconds;
    long nanos;
    double toMidnight;
  } kTimes[] = {{1227949200, 0, 15 * 3600 + 0.01}, {1228003199, 500000000, 0.51}, {1228003200, 0, 86400.01}};
  for (const auto& t : kTimes) {
    EXPECT_NEAR(SecondsToLocalMidnight({t.seconds, t.nanos}), t.toMidnight, 1e-6) << t.seconds;
  }
}

TEST(Navigation, TypedYearsMonthsAndPickedDays) {
  const struct {
    const char* text;
    long year;
  } kTyped[] = {{"1999", 1999}, {"04000", 4000}, {"+2003", 2003}, {"0x7d0", -1}, {"", -1},
                {"+", -1},      {"-5", -1},      {"20 0", -1},    {"99999999999999999999", 100000}};
  for (const auto& t : kTyped) EXPECT_EQ(ReadEntryYear(t.text), t.year) << t.text;
  for (long year : {1603L, 10000L, -1L}) EXPECT_FALSE(IsEntryYear(year)) << year;
  for (long year : {1604L, 9999L}) EXPECT_TRUE(IsEntryYear(year)) << year;

  const DatePair pagume = On({2003, 13, 6}, Ethiopian);
  EXPECT_TRUE(WithYear(pagume, Ethiopian, 2004).SameDay(On({2004, 13, 5}, Ethiopian)));
  // Both date lines name the new day's weekday: 10 September 2012 was a Monday.
  EXPECT_STREQ(WithYear(pagume, Ethiopian, 2004).Format(), "   Monday  September( 9) 10, 2012\n    sagno     Pagume(13)  5, 2004");
  EXPECT_TRUE(WithMonth(On({2008, 1, 31}, Gregorian), Gregorian, 4).SameDay(On({2008, 4, 30}, Gregorian)));
  EXPECT_TRUE(WithMonth(On({8, 9, 1}, Gregorian), Gregorian, 8).SameDay(On({8, 9, 1}, Gregorian)));
  EXPECT_TRUE(WithDay(On({1999, 13, 1}, Ethiopian), Ethiopian, 30).SameDay(On({1999, 13, 6}, Ethiopian)));
  EXPECT_TRUE(WithDay(On({8, 8, 30}, Gregorian), Gregorian, 5).SameDay(On({8, 8, 30}, Gregorian)));
  EXPECT_TRUE(WithDay(On({8, 8, 30}, Gregorian), Gregorian, 27).SameDay(On({8, 8, 27}, Gregorian)));
}

}  // namespace
