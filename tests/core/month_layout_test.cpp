#include <gtest/gtest.h>

#include "core/calendar/month_layout.h"

namespace {

TEST(MonthLayout, Shapes) {
  const struct {
    DatePair date;
    CalendarKind kind;
    int lead, count, firstOther, currentIndex;
  } kMonths[] = {
      {{2008, 11, 29, Gregorian}, Gregorian, 6, 30, 22, 28},   // starts on a Saturday
      {{2009, 2, 10, Gregorian}, Gregorian, 0, 28, 24, 9},     // 28 days from a Sunday
      {{1999, 13, 3, Ethiopian}, Ethiopian, 4, 6, 6, 2},       // a six-day Pagume from a Thursday
      {{2000, 13, 5, Ethiopian}, Ethiopian, 6, 5, 6, 4},       // a five-day Pagume from a Saturday
      {{2007, 10, 12, Gregorian}, Ethiopian, 5, 30, 12, 0},    // Tkmt 2000 from 12 October
  };
  for (const auto& m : kMonths) {
    const MonthLayout layout = LayOutMonth(m.date, m.kind);
    EXPECT_EQ(layout.lead, m.lead);
    EXPECT_EQ(layout.count, m.count);
    EXPECT_EQ(layout.days[0].baseDay, 1);
    EXPECT_EQ(layout.days[0].otherDay, m.firstOther);
    for (int i = 0; i < layout.count; ++i) {
      EXPECT_EQ(layout.days[i].current, i == m.currentIndex);
      EXPECT_EQ(layout.days[i].weekday, (layout.lead + i) % 7);
    }
    EXPECT_EQ(layout.after.Day(m.kind), 1);
  }
}

}  // namespace
