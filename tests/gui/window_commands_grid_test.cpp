// The month grid as a person clicks it: the day a cell knows, whatever its
// numerals, the month it draws, and the days beyond the span.
#include "commands_fixture.h"

#include <FL/Fl.H>

#include <string>

namespace {

using gui_fixtures::Commands;

// A year typed and not entered counts first; the day is the one the cell
// showed when the button went down, and the cell takes no focus.
TEST_F(Commands, PickedDayLandsInTheShownMonth) {
  TypeYear("2002", false);
  DayCell* fifth = CellShowing(5);
  Press(fifth);
  EXPECT_NE(Fl::focus(), fifth->hitButton);
  Release(fifth);
  EXPECT_TRUE(At(2002, 3, 5, Ethiopian));
  EXPECT_EQ(YearField(), "2002");
  TypeYear("1603", false);  // refused when the click comes
  Click(CellShowing(7));
  EXPECT_TRUE(At(2002, 3, 7, Ethiopian));
  EXPECT_EQ(alerts.size(), 1u);
  GoTo(2000, 12, 1, Ethiopian);
  TypeYear("1999", false);  // Pagume 1999 has six days, 2000 five
  Click(CellShowing(30));
  EXPECT_TRUE(At(1999, 12, 30, Ethiopian));
  for (DayCell* cell : ui.grid->cells) EXPECT_NE(Fl::focus(), cell->hitButton);
}

// With Ge'ez numerals a cell still knows its day, in either base: the
// Ethiopian days are written in Ge'ez, big or small.
TEST_F(Commands, ClickPicksTheDayWhateverNumeralsWriteIt) {
  MenuBarOf(ui.main_window)->picked(ui.geez_item);
  const struct {
    CalendarKind base;
    int day;
    const char* ethiopian;  // the cell's Ethiopian number
    DatePair picked;
  } kBases[] = {
      {Ethiopian, 29, "፳፱", DatePair(2001, 3, 29, Ethiopian)},
      {Gregorian, 7, "፳፰", DatePair(2008, 12, 7, Gregorian)},  // the month of Hdar 29
  };
  for (const auto& base : kBases) {
    if (ui.base_kind != base.base) Click(ui.base_button);
    DayCell* cell = CellShowing(base.day);
    EXPECT_STREQ((base.base == Ethiopian ? cell->primary : cell->secondary)->value(), base.ethiopian);
    Click(cell);
    EXPECT_TRUE(ui.date.SameDay(base.picked)) << base.day;
  }
  MenuBarOf(ui.main_window)->picked(ui.geez_item);
}

// How the grid draws a month; which cells each month fills, and with which
// numbers, is checked against the core's layout in the random run below.
TEST_F(Commands, GridShowsTheMonthInTheBaseCalendar) {
  ui.base_kind = Gregorian;
  GoTo(2009, 8, 1, Gregorian);  // 31 days from a Saturday
  EXPECT_STREQ(ui.grid->cells[6]->primary->value(), " 1");
  EXPECT_STREQ(ui.grid->cells[6]->secondary->value(), "25");
  EXPECT_EQ(ui.grid->cells[6]->color(), FL_YELLOW);
  EXPECT_EQ(ui.grid->cells[7]->color(), FL_WHITE);
  EXPECT_STREQ(ui.grid->cells[37]->primary->value(), "");
  EXPECT_STREQ(ui.grid->headers[0]->label(), "Sun");
  EXPECT_EQ(ui.grid->headers[0]->labelcolor(), FL_RED);
  EXPECT_EQ(ui.grid->headers[1]->labelcolor(), FL_FOREGROUND_COLOR);
  EXPECT_EQ(ui.grid->cells[7]->secondary->textcolor(), FL_RED);
  // Hidden positions take no pick.
  Click(ui.grid->cells[40]);
  EXPECT_TRUE(At(2009, 8, 1, Gregorian));
  // After a base switch the yellow cell is still the same day, now by its Ethiopian number.
  Click(ui.base_button);
  EXPECT_STREQ(ui.grid->headers[6]->label(), "qidame");
  int yellow = 0;
  for (DayCell* cell : ui.grid->cells) {
    if (cell->visible() && cell->color() == FL_YELLOW) {
      ++yellow;
      EXPECT_STREQ(cell->secondary->value(), " 1");
      EXPECT_EQ(cell->day, ui.date.Day(Ethiopian));
    }
  }
  EXPECT_EQ(yellow, 1);
}

// The days of the span's first and last months that lie beyond it are
// greyed, take no click and say why in their tooltip; their neighbours inside
// are days as any other.
TEST_F(Commands, DaysBeyondTheSpanSayWhy) {
  const struct {
    int year, month, day;  // Gregorian, the span's edge
    int outside, inside;   // days of that month
  } kEdges[] = {{8, 8, 27, 26, 28}, {10007, 11, 10, 11, 9}};
  ui.base_kind = Gregorian;
  for (const auto& e : kEdges) {
    GoTo(e.year, e.month, e.day, Gregorian);
    DayCell* outside = CellShowing(e.outside);
    DayCell* inside = CellShowing(e.inside);
    EXPECT_FALSE(outside->hitButton->active()) << e.year;
    EXPECT_TRUE(inside->hitButton->active()) << e.year;
    ASSERT_NE(outside->tooltip(), nullptr) << e.year;
    EXPECT_EQ(std::string(outside->tooltip()).rfind("Outside the days Zelmora covers", 0), 0u) << e.year;
    Click(outside);
    EXPECT_TRUE(At(e.year, e.month, e.day, Gregorian)) << e.year;
    Click(inside);
    EXPECT_TRUE(At(e.year, e.month, e.inside, Gregorian)) << e.year;
  }
  GoTo(2008, 11, 29, Gregorian);
  EXPECT_TRUE(CellShowing(1)->hitButton->active());
  EXPECT_EQ(CellShowing(1)->tooltip(), nullptr);
}

}  // namespace
