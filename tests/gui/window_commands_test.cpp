// The steps as a person drives them: the buttons, the grid's keys and the
// wheel, one by one, after a click, and in a long random run.
#include "commands_fixture.h"

#include <FL/Fl.H>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/calendar/month_layout.h"

namespace {

using gui_fixtures::Commands;

void GridKey(CalendarUi& ui, int key, int state = 0) {
  ui.grid->take_focus();
  TypeKey(ui.main_window, key, state);
}

// Each control, driven as a person would, reaches its step (the rules are
// the core's) in the base calendar on show. Every row starts on Hdar 20,
// 2001 (29 November 2008), today; the day is read in the base calendar.
TEST_F(Commands, EveryControlReachesItsStep) {
  const struct {
    const char* control;
    void (*act)(CalendarUi&);
    CalendarKind base;
    int year, month, day;
  } kControls[] = {
      {"last year", [](CalendarUi& ui) { Click(ui.last_year); }, Ethiopian, 2000, 3, 20},
      {"last month", [](CalendarUi& ui) { Click(ui.last_month); }, Ethiopian, 2001, 2, 20},
      {"yesterday", [](CalendarUi& ui) { Click(ui.yesterday); }, Ethiopian, 2001, 3, 19},
      {"tomorrow", [](CalendarUi& ui) { Click(ui.tomorrow); }, Ethiopian, 2001, 3, 21},
      {"next month", [](CalendarUi& ui) { Click(ui.next_month); }, Ethiopian, 2001, 4, 20},
      {"next year", [](CalendarUi& ui) { Click(ui.next_year); }, Ethiopian, 2002, 3, 20},
      {"next month", [](CalendarUi& ui) { Click(ui.next_month); }, Gregorian, 2008, 12, 29},
      {"today", [](CalendarUi& ui) { Click(ui.next_year), Click(ui.today); }, Gregorian, 2008, 11, 29},
      {"a day", [](CalendarUi& ui) { Click(ui.grid->cells[22]), TypeKey(ui.main_window, FL_Right); }, Ethiopian, 2001, 3, 23},
      {"Left", [](CalendarUi& ui) { GridKey(ui, FL_Left); }, Ethiopian, 2001, 3, 19},
      {"Right", [](CalendarUi& ui) { GridKey(ui, FL_Right); }, Ethiopian, 2001, 3, 21},
      {"Up", [](CalendarUi& ui) { GridKey(ui, FL_Up); }, Ethiopian, 2001, 3, 13},
      {"Down", [](CalendarUi& ui) { GridKey(ui, FL_Down); }, Ethiopian, 2001, 3, 27},
      {"Page Up", [](CalendarUi& ui) { GridKey(ui, FL_Page_Up); }, Ethiopian, 2001, 2, 20},
      {"Page Down", [](CalendarUi& ui) { GridKey(ui, FL_Page_Down); }, Ethiopian, 2001, 4, 20},
      {"Shift+Page Up", [](CalendarUi& ui) { GridKey(ui, FL_Page_Up, FL_SHIFT); }, Ethiopian, 2000, 3, 20},
      {"Shift+Page Down", [](CalendarUi& ui) { GridKey(ui, FL_Page_Down, FL_SHIFT); }, Ethiopian, 2002, 3, 20},
      {"Right, Num Lock on", [](CalendarUi& ui) { GridKey(ui, FL_Right, FL_NUM_LOCK); }, Ethiopian, 2001, 3, 21},
      {"Shift+Page Up, Num Lock on", [](CalendarUi& ui) { GridKey(ui, FL_Page_Up, FL_SHIFT | FL_NUM_LOCK); },
       Ethiopian, 2000, 3, 20},
      {"Home", [](CalendarUi& ui) { GridKey(ui, FL_Up), GridKey(ui, FL_Home); }, Ethiopian, 2001, 3, 20},
      {"wheel", [](CalendarUi& ui) { Wheel(ui.grid->cells[10], 1); }, Ethiopian, 2001, 4, 20},
      {"wheel back", [](CalendarUi& ui) { Wheel(ui.grid->cells[10], -1); }, Ethiopian, 2001, 2, 20},
      {"Shift+wheel", [](CalendarUi& ui) { Wheel(ui.grid->cells[10], 1, FL_SHIFT); }, Ethiopian, 2002, 3, 20},
      {"Shift+wheel back", [](CalendarUi& ui) { Wheel(ui.grid->cells[10], -2, FL_SHIFT); }, Ethiopian, 2000, 3, 20},
  };
  for (const auto& c : kControls) {
    ui.base_kind = c.base;
    GoTo(2008, 11, 29, Gregorian);
    c.act(ui);
    EXPECT_TRUE(At(c.year, c.month, c.day, c.base)) << c.control << " " << KindIndex(c.base);
    EXPECT_EQ(YearField(), std::to_string(c.year)) << c.control;
    EXPECT_EQ(ui.month_choice->value(), c.month - 1) << c.control;
  }
}

// After a click on any control the steps' keys move the day, and the grid
// has the focus again; in the year box the arrows stay the cursor's.
TEST_F(Commands, KeysFollowTheDateAfterAClick) {
  const struct {
    Fl_Button* CalendarUi::*clicked;
    int key, state;
    int year, month, day;  // Ethiopian, from where the click left the date
  } kRows[] = {
      {&CalendarUi::tomorrow, FL_Right, 0, 2001, 3, 22},
      {&CalendarUi::today, FL_Left, 0, 2001, 3, 19},
      {&CalendarUi::next_month, FL_Page_Down, 0, 2001, 5, 20},
      {&CalendarUi::last_year, FL_Page_Up, FL_SHIFT, 1999, 3, 20},
      {&CalendarUi::base_button, FL_Down, 0, 2001, 3, 27},
      {&CalendarUi::yesterday, FL_Home, 0, 2001, 3, 20},
  };
  for (const auto& r : kRows) {
    ui.base_kind = Ethiopian;
    GoTo(2008, 11, 29, Gregorian);
    Click(ui.*r.clicked);
    TypeKey(ui.main_window, r.key, r.state);
    EXPECT_TRUE(At(r.year, r.month, r.day, Ethiopian)) << r.key;
    EXPECT_EQ(Fl::focus(), ui.grid) << r.key;
  }
  // A control the keyboard reached keeps the focus, and the keys still step.
  GoTo(2008, 11, 29, Gregorian);
  ui.grid->take_focus();
  TypeKey(ui.main_window, FL_Tab);
  Fl_Widget* reached = Fl::focus();
  TypeKey(ui.main_window, FL_Right);
  EXPECT_TRUE(At(2001, 3, 21, Ethiopian));
  EXPECT_EQ(Fl::focus(), reached);
  GoTo(2008, 11, 29, Gregorian);
  Click(ui.year_input);
  TypeKey(ui.main_window, FL_Left);
  TypeKey(ui.main_window, FL_Home);
  EXPECT_TRUE(At(2001, 3, 20, Ethiopian));
}

// Random commands; after each one the window must show exactly the current date.
TEST_F(Commands, RandomRunKeepsEveryWidgetInStep) {
  std::mt19937 random(20081129);
  Fl_Button* CalendarUi::*const kButtons[] = {&CalendarUi::last_year, &CalendarUi::last_month,
                                              &CalendarUi::yesterday, &CalendarUi::tomorrow,
                                              &CalendarUi::next_month, &CalendarUi::next_year,
                                              &CalendarUi::base_button, &CalendarUi::today};
  for (int n = 0; n < 2000; ++n) {
    const int command = random() % 11;
    if (command < 8) {
      Click(ui.*kButtons[command]);
    } else if (command == 8) {
      PickMonth(random() % CalendarDate::LastMonth(ui.base_kind), random() % 2);
    } else if (command == 9) {
      TypeYear(std::to_string(1500 + random() % 8600).c_str(), random() % 2);
    } else {
      std::vector<DayCell*> shown;
      for (DayCell* cell : ui.grid->cells) {
        if (cell->visible()) shown.push_back(cell);
      }
      Click(shown[random() % shown.size()]);
    }
    const CalendarKind base = ui.base_kind;
    CalendarDate check(ui.date.Year(Gregorian), ui.date.Month(Gregorian), ui.date.Day(Gregorian), Gregorian);
    ASSERT_EQ(check.dayNumber, ui.date.dates[Ethiopian].dayNumber) << "step " << n;
    ASSERT_TRUE(ui.date.InSpan());
    ASSERT_EQ(ui.month_choice->value(), ui.date.Month(base) - 1);
    ASSERT_TRUE(YearField() == std::to_string(ui.date.Year(base)) || Fl::focus() == &ui.year_input->input)
        << "step " << n;
    const MonthLayout month = LayOutMonth(ui.date, base);
    int yellow = 0;
    for (int i = 0; i < MonthGrid::kCells; ++i) {
      const int d = i - month.lead;
      const bool used = d >= 0 && d < month.count;
      ASSERT_EQ(ui.grid->cells[i]->visible() != 0, used) << "step " << n;
      if (!used) continue;
      ASSERT_EQ(ui.grid->cells[i]->day, d + 1);
      ASSERT_EQ(std::atoi(ui.grid->cells[i]->primary->value()), d + 1);  // in digits when no Ge'ez is asked for
      if (ui.grid->cells[i]->color() == FL_YELLOW) {
        ++yellow;
        ASSERT_EQ(d + 1, ui.date.Day(base));
      }
    }
    ASSERT_EQ(yellow, 1) << "step " << n;
  }
}

}  // namespace
