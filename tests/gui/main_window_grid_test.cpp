// What the month grid paints: holidays in red and named, fasting and saints'
// days as picked, the selected day in yellow, today's frame and its move at
// midnight.
#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <string>
#include <vector>

#include "main_window_fixture.h"

namespace {

using gui_fixtures::MainWindow;

// The colours at (x, y) and the three pixels below it, as drawn.
std::vector<int> Pixels(Fl_Window* window, int x, int y) { return DrawnColours(window, x, y, 1, 4); }
std::vector<int> Solid(Fl_Color colour) { return std::vector<int>(4, Rgb(colour)); }

// Miazia 2016 starts on Tuesday 9 April 2024, Ginbot on Thursday 9 May.
TEST_F(MainWindow, HolidaysRedInTheGridAndNamedInTooltips) {
  ui.date = DatePair(2016, 8, 1, Ethiopian);
  ui.refresh();
  const struct {
    int cell;
    Fl_Color color;
    const char* tooltip;
  } kMiazia[] = {
      {3, FL_RED, "Eid al-Fitr - ኢድ-አል ፈጥር (expected)"},
      {4, FL_FOREGROUND_COLOR, nullptr},
      {7, FL_RED, nullptr},  // a Sunday
      {24, FL_RED, "International Labour Day - የሠራተኞች ቀን\nGiyorgis (Saint George) - ሚያዝያ ጊዮርጊስ"},  // a day off wins
      {28, FL_RED, "Patriots' Victory Day - የአርበኞች ቀን\nFasika (Easter) - ፋሲካ"},
  };
  for (const auto& day : kMiazia) {
    EXPECT_EQ(ui.grid->cells[day.cell]->primary->textcolor(), day.color) << day.cell;
    EXPECT_EQ(ui.grid->cells[day.cell]->secondary->textcolor(), day.color) << day.cell;
    EXPECT_STREQ(ui.grid->cells[day.cell]->tooltip(), day.tooltip) << day.cell;
  }
  Click(ui.next_month);
  DayCell* rikbeKahnat = ui.grid->cells[24];  // church days, not a day off
  EXPECT_EQ(rikbeKahnat->primary->textcolor(), MonthGrid::kChurchDayColor);
  EXPECT_STREQ(rikbeKahnat->tooltip(), "Debre Mitmaq Mariam - ደብረ ምጥማቅ\nRikbe Kahnat - ርክበ ካህናት");
  EXPECT_EQ(ui.grid->cells[23]->primary->textcolor(), FL_RED);  // Ginbot 20
  PickHolidays();
  for (int i = 0; i < MonthGrid::kCells; ++i) {
    EXPECT_EQ(ui.grid->cells[i]->primary->textcolor(), i % 7 ? FL_FOREGROUND_COLOR : FL_RED) << i;
    EXPECT_EQ(ui.grid->cells[i]->tooltip(), nullptr) << i;
  }
}

// Fasting days and saints' days: off at first, then dotted and named as
// picked, remembered, and off again leaves the grid as it was.
TEST_F(MainWindow, FastsAndSaintsWhenPicked) {
  PickHolidays();  // Hdar 2001 (from Monday 10 November 2008) then shows only what is asked for
  const auto dotted = [&](int cell) {
    const DayCell* c = ui.grid->cells[cell];
    Fl::flush();
    return Pixels(ui.main_window, c->x() + c->w() - 8, c->y() + 6) == Solid(MonthGrid::kFastColor);
  };
  const struct {
    Fl_Menu_Item* CalendarUi::*item;
    int cell;  // Hdar day
    bool dot;
    const char* tooltip;
  } kPicks[] = {
      {&CalendarUi::fasts_item, 10, true, "Wednesday fast"},
      {&CalendarUi::fasts_item, 16, true, "Tsome Nebiyat"},
      {&CalendarUi::fasts_item, 11, false, nullptr},
      {&CalendarUi::saints_item, 12, false, "Mikael (Michael the Archangel), Samuel and Yared"},
  };
  for (const auto& p : kPicks) {
    EXPECT_EQ(ui.grid->cells[p.cell]->tooltip(), nullptr) << p.cell;
    EXPECT_FALSE(dotted(p.cell)) << p.cell;
    MenuBar()->picked(ui.*p.item);
    EXPECT_EQ(dotted(p.cell), p.dot) << p.cell;
    EXPECT_STREQ(ui.grid->cells[p.cell]->tooltip(), p.tooltip) << p.cell;
    CalendarUi again;
    again.set_defaults();
    EXPECT_NE((again.*p.item)->value(), 0) << p.cell;
    MenuBar()->picked(ui.*p.item);
  }
  MenuBar()->picked(ui.fasts_item);
  MenuBar()->picked(ui.saints_item);
  EXPECT_STREQ(ui.grid->cells[12]->tooltip(), "Friday fast\nMikael (Michael the Archangel), Samuel and Yared");
}

TEST_F(MainWindow, PaintsTheCurrentDayYellow) {
  // Hdar 2001 starts on a Monday: cell 20 is the 20th, the current day;
  // cell 0 is hidden and shows the window's grey. Below the big number,
  // left of the small one, is the cell's own colour.
  const DayCell* current = ui.grid->cells[20];
  const DayCell* hidden = ui.grid->cells[0];
  EXPECT_EQ(Pixels(ui.main_window, current->x() + 4, current->y() + current->h() - 8), Solid(FL_YELLOW));
  EXPECT_EQ(Pixels(ui.main_window, hidden->x() + 4, hidden->y() + hidden->h() - 8), Solid(FL_GRAY));
  // The grid has the keyboard focus from the start, and while it has it, it
  // frames the current day just inside its border.
  const int frameX = current->x() + 1, frameY = current->y() + current->h() / 2;
  EXPECT_EQ(Fl::focus(), ui.grid);
  EXPECT_NE(Pixels(ui.main_window, frameX, frameY), Solid(FL_YELLOW));
  TabTo(ui.today);
  Fl::flush();
  EXPECT_EQ(Pixels(ui.main_window, frameX, frameY), Solid(FL_YELLOW));
  TabTo(ui.grid);
  EXPECT_NE(Pixels(ui.main_window, frameX, frameY), Solid(FL_YELLOW));
  // The weekday names share one size at which each fits its column,
  // "maksagno" included; the Gregorian names fit at 14.
  for (Fl_Box* heading : ui.grid->headers) {
    EXPECT_EQ(heading->labelsize(), ui.grid->headers[0]->labelsize()) << heading->label();
    fl_font(heading->labelfont(), heading->labelsize());
    EXPECT_LE(fl_width(heading->label()), heading->w()) << heading->label();
  }
  EXPECT_GT(ui.grid->headers[0]->labelsize(), 8);
  Click(ui.base_button);
  Fl::flush();
  EXPECT_EQ(ui.grid->headers[2]->labelsize(), 14);
}

// Today keeps a blue frame of its own beside the selected day's yellow, and
// the window follows the clock past midnight.
TEST_F(MainWindow, TodayIsMarkedAndMovesAtMidnight) {
  const auto framed = [&](const DayCell* cell) {
    Fl::flush();
    return Pixels(ui.main_window, cell->x() + 2, cell->y() + cell->h() / 2) == Solid(MonthGrid::kTodayColor);
  };
  Click(ui.grid->cells[22]);  // Hdar 22; today is Hdar 20, cell 20
  EXPECT_TRUE(framed(ui.grid->cells[20]));
  EXPECT_FALSE(framed(ui.grid->cells[22]));
  EXPECT_EQ(ui.grid->cells[22]->color(), FL_YELLOW);
  Click(ui.grid->cells[19]);
  Click(ui.base_button);  // Gregorian November 2008: the 29th is cell 6 + 28
  EXPECT_TRUE(framed(ui.grid->cells[34]));
  Click(ui.base_button);
  // Two nights running, each by the timer the window armed for it: today
  // moves on, and the selected day with it when it was today.
  const struct {
    int selected;  // the cell picked before midnight
    int todayAfter, yellowAfter;
  } kNights[] = {{20, 21, 21}, {24, 22, 24}};
  for (const auto& n : kNights) {
    Click(ui.grid->cells[n.selected]);
    ASSERT_EQ(pendingTimeouts.size(), 1u) << n.selected;
    RunNextTimeout();
    EXPECT_TRUE(framed(ui.grid->cells[n.todayAfter])) << n.selected;
    EXPECT_EQ(ui.grid->cells[n.yellowAfter]->color(), FL_YELLOW) << n.selected;
    EXPECT_NE(std::string(ui.dates_output->value()).find("Hdar( 3) " + std::to_string(n.yellowAfter)), std::string::npos);
  }
  // A year typed but not yet entered outlasts midnight, and Enter still takes it.
  TypeOver(ui.year_input, "2005");
  AdvanceClock(24 * 60 * 60);
  CalendarUi::cb_midnight(&ui);
  EXPECT_STREQ(ui.year_input->input.value(), "2005");
  TypeKey(ui.main_window, FL_Enter, 0, "\r");
  EXPECT_EQ(ui.date.Year(Ethiopian), 2005);
}

}  // namespace
