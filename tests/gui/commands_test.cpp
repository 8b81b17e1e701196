#include "gui_support.h"

#include <FL/Fl.H>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "calendar/month_layout.h"
#include "mainwin/calendar_ui.h"

namespace {

std::vector<std::string> alerts;
void RecordAlert(const char* message) { alerts.push_back(message); }

class Commands : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);
    alerts.clear();
    CalendarUi::alert = RecordAlert;
    ui.set_defaults();
    ui.refresh();
  }
  void GoTo(int year, int month, int day, CalendarKind kind) {
    ui.date = DatePair(year, month, day, kind);
    ui.refresh();
  }
  void TypeYear(double year) {
    ui.year_input->value(year);
    ui.year_input->do_callback();
  }
  void PickMonth(int index) {
    ui.month_choice->value(index);
    ui.month_choice->do_callback();
  }
  // Clicks the grid's cell showing this day of the base calendar's month.
  void PickDay(int day) {
    for (DayCell* cell : ui.grid->cells) {
      if (cell->visible() && std::atoi(cell->primary->value()) == day) return cell->hitButton->do_callback();
    }
    FAIL() << "no cell shows day " << day;
  }
  bool At(int year, int month, int day, CalendarKind kind) const {
    return ui.date.SameDay(DatePair(year, month, day, kind));
  }

  CalendarUi ui;
};

TEST_F(Commands, ButtonsStepInTheBaseCalendar) {
  const struct {
    Fl_Button* CalendarUi::*button;
    CalendarKind base;
    int year, month, day;  // in the base calendar, from 29 November 2008 (Hdar 20, 2001)
  } kSteps[] = {
      {&CalendarUi::last_year, Ethiopian, 2000, 3, 20},  {&CalendarUi::last_month, Ethiopian, 2001, 2, 20},
      {&CalendarUi::yesterday, Ethiopian, 2001, 3, 19},  {&CalendarUi::tomorrow, Ethiopian, 2001, 3, 21},
      {&CalendarUi::next_month, Ethiopian, 2001, 4, 20}, {&CalendarUi::next_year, Ethiopian, 2002, 3, 20},
      {&CalendarUi::last_year, Gregorian, 2007, 11, 29}, {&CalendarUi::next_month, Gregorian, 2008, 12, 29},
      {&CalendarUi::tomorrow, Gregorian, 2008, 11, 30},  {&CalendarUi::next_year, Gregorian, 2009, 11, 29},
  };
  for (const auto& s : kSteps) {
    GoTo(2008, 11, 29, Gregorian);
    ui.base_kind = s.base;
    (ui.*s.button)->do_callback();
    EXPECT_TRUE(At(s.year, s.month, s.day, s.base)) << (ui.*s.button)->tooltip() << " " << s.base;
    EXPECT_EQ(ui.year_input->value(), s.year);
    EXPECT_EQ(ui.month_choice->value(), s.month - 1);
  }
}

TEST_F(Commands, TodayKeepsTheBase) {
  ui.toggle_base();
  GoTo(1990, 5, 5, Gregorian);
  ui.today->do_callback();
  EXPECT_TRUE(At(2008, 11, 29, Gregorian));
  EXPECT_EQ(ui.base_kind, Gregorian);
  EXPECT_STREQ(ui.month_choice->text(), "November");
}

TEST_F(Commands, MonthChoiceAndYearInput) {
  PickMonth(12);
  EXPECT_TRUE(At(2001, 13, 5, Ethiopian));  // Hdar 20 cut back to the last of Pagume
  TypeYear(1999);
  EXPECT_TRUE(At(1999, 13, 5, Ethiopian));
  TypeYear(1604);
  TypeYear(9999);
  EXPECT_TRUE(At(9999, 13, 5, Ethiopian));
  EXPECT_TRUE(alerts.empty());
  for (double rejected : {1603.0, 10000.0}) {
    TypeYear(rejected);
    EXPECT_TRUE(At(9999, 13, 5, Ethiopian));
    EXPECT_EQ(ui.year_input->value(), rejected);  // still shown until the next command
  }
  EXPECT_EQ(alerts, (std::vector<std::string>(2, "Input a number between 1604 and 9999")));
}

TEST_F(Commands, StepsStopAtYear9999) {
  GoTo(9999, 12, 1, Ethiopian);
  ui.next_year->do_callback();
  EXPECT_TRUE(At(9999, 12, 1, Ethiopian));
  ui.next_month->do_callback();
  EXPECT_TRUE(At(9999, 13, 1, Ethiopian));
  ui.next_month->do_callback();
  EXPECT_TRUE(At(9999, 13, 1, Ethiopian));  // no month after Pagume 9999

  ui.toggle_base();
  GoTo(9999, 12, 15, Gregorian);
  ui.next_year->do_callback();
  EXPECT_TRUE(At(9999, 12, 15, Gregorian));
  ui.next_month->do_callback();
  EXPECT_TRUE(At(10000, 1, 15, Gregorian));
  ui.next_month->do_callback();
  ui.next_year->do_callback();
  EXPECT_TRUE(At(10000, 1, 15, Gregorian));
  ui.last_year->do_callback();
  EXPECT_TRUE(At(9999, 1, 15, Gregorian));
}

TEST_F(Commands, NothingLeavesTheSpan) {
  const struct {
    int year, month, day;
    CalendarKind base;
    Fl_Button* CalendarUi::*button;
  } kEdges[] = {
      {1, 1, 1, Ethiopian, &CalendarUi::yesterday},       {1, 1, 1, Ethiopian, &CalendarUi::last_month},
      {1, 1, 1, Ethiopian, &CalendarUi::last_year},       {8, 9, 20, Gregorian, &CalendarUi::last_month},
      {9999, 13, 6, Ethiopian, &CalendarUi::tomorrow},    {10007, 11, 10, Gregorian, &CalendarUi::tomorrow},
      {1, 13, 5, Ethiopian, &CalendarUi::last_year},
  };
  for (const auto& e : kEdges) {
    ui.base_kind = e.base;
    GoTo(e.year, e.month, e.day, e.base);
    (ui.*e.button)->do_callback();
    EXPECT_TRUE(At(e.year, e.month, e.day, e.base)) << e.year << "/" << e.month << "/" << e.day;
  }
  // Inside the span the unbounded steps go below 1604.
  ui.base_kind = Ethiopian;
  GoTo(1604, 1, 1, Ethiopian);
  ui.last_year->do_callback();
  EXPECT_TRUE(At(1603, 1, 1, Ethiopian));
  // August 8 shows days before the span; picking one does nothing.
  ui.base_kind = Gregorian;
  GoTo(8, 8, 30, Gregorian);
  PickDay(5);
  EXPECT_TRUE(At(8, 8, 30, Gregorian));
  PickDay(27);
  EXPECT_TRUE(At(8, 8, 27, Gregorian));
}

TEST_F(Commands, PickedDayLandsInTheShownMonth) {
  GoTo(2000, 5, 3, Ethiopian);
  PickDay(30);
  EXPECT_TRUE(At(2000, 5, 30, Ethiopian));
  TypeYear(1603);  // rejected, and still in the input
  PickDay(7);
  EXPECT_TRUE(At(2000, 5, 7, Ethiopian));
  EXPECT_EQ(ui.year_input->value(), 2000);
}

TEST_F(Commands, GridShowsTheMonthInTheBaseCalendar) {
  const struct {
    int year, month, day;
    CalendarKind base;
    int firstCell, lastCell;
  } kMonths[] = {
      {2008, 11, 29, Gregorian, 6, 35},   // 30 days from a Saturday
      {2009, 2, 10, Gregorian, 0, 27},    // 28 days from a Sunday
      {1999, 13, 4, Ethiopian, 4, 9},     // six-day Pagume from a Thursday
      {2000, 13, 1, Ethiopian, 6, 10},    // five-day Pagume from a Saturday spills into row two
      {2009, 8, 1, Gregorian, 6, 36},     // 31 days from a Saturday
  };
  for (const auto& m : kMonths) {
    ui.base_kind = m.base;
    GoTo(m.year, m.month, m.day, m.base);
    for (int i = 0; i < MonthGrid::kCells; ++i) {
      const bool used = i >= m.firstCell && i <= m.lastCell;
      EXPECT_EQ(ui.grid->cells[i]->visible() != 0, used) << m.year << "/" << m.month << " cell " << i;
      if (!used) {
        EXPECT_STREQ(ui.grid->cells[i]->primary->value(), "");
        continue;
      }
      EXPECT_EQ(std::atoi(ui.grid->cells[i]->primary->value()), i - m.firstCell + 1);
      EXPECT_EQ(ui.grid->cells[i]->color(), i - m.firstCell + 1 == m.day ? FL_YELLOW : FL_WHITE);
    }
    EXPECT_STREQ(ui.grid->cells[m.firstCell]->primary->value(), " 1");
  }
  EXPECT_STREQ(ui.grid->headers[0]->label(), "Sun");
  EXPECT_EQ(ui.grid->headers[0]->labelcolor(), FL_RED);
  EXPECT_EQ(ui.grid->headers[1]->labelcolor(), FL_FOREGROUND_COLOR);
  EXPECT_EQ(ui.grid->cells[7]->secondary->textcolor(), FL_RED);
  // After a base switch the yellow cell is still the same day, now by its Ethiopian number.
  ui.toggle_base();
  EXPECT_STREQ(ui.grid->headers[6]->label(), "qidame");
  int yellow = 0;
  for (DayCell* cell : ui.grid->cells) {
    if (cell->visible() && cell->color() == FL_YELLOW) {
      ++yellow;
      EXPECT_STREQ(cell->secondary->value(), " 1");
      EXPECT_EQ(std::atoi(cell->primary->value()), ui.date.Day(Ethiopian));
    }
  }
  EXPECT_EQ(yellow, 1);
}

TEST_F(Commands, HiddenCellsTakeNoPick) {
  GoTo(2009, 2, 10, Gregorian);
  ui.base_kind = Gregorian;
  ui.refresh();
  ui.grid->cells[30]->hitButton->do_callback();
  EXPECT_TRUE(At(2009, 2, 10, Gregorian));
}

// Random commands; after each one the window must show exactly the current date.
TEST_F(Commands, RandomRunKeepsEveryWidgetInStep) {
  std::mt19937 random(20081129);
  Fl_Button* CalendarUi::*const kButtons[] = {&CalendarUi::last_year, &CalendarUi::last_month,
                                              &CalendarUi::yesterday, &CalendarUi::tomorrow,
                                              &CalendarUi::next_month, &CalendarUi::next_year,
                                              &CalendarUi::base_button, &CalendarUi::today};
  for (int n = 0; n < 10000; ++n) {
    const int command = random() % 11;
    if (command < 8) {
      (ui.*kButtons[command])->do_callback();
    } else if (command == 8) {
      PickMonth(random() % CalendarDate::LastMonth(ui.base_kind));
    } else if (command == 9) {
      TypeYear(1500 + random() % 8600);
    } else {
      std::vector<DayCell*> shown;
      for (DayCell* cell : ui.grid->cells) {
        if (cell->visible()) shown.push_back(cell);
      }
      shown[random() % shown.size()]->hitButton->do_callback();
    }
    const CalendarKind base = ui.base_kind;
    ASSERT_EQ(ui.date.dates[Gregorian].dayNumber, ui.date.dates[Ethiopian].dayNumber);
    CalendarDate check(ui.date.Year(Gregorian), ui.date.Month(Gregorian), ui.date.Day(Gregorian), Gregorian);
    ASSERT_EQ(check.dayNumber, ui.date.dates[Gregorian].dayNumber) << "step " << n;
    ASSERT_TRUE(ui.date.InSpan());
    ASSERT_EQ(ui.month_choice->value(), ui.date.Month(base) - 1);
    const double shownYear = ui.year_input->value();
    const bool showsRejectedYear = shownYear < 1604 || shownYear > 9999;
    ASSERT_TRUE(shownYear == ui.date.Year(base) || showsRejectedYear) << "step " << n;
    const MonthLayout month = LayOutMonth(ui.date, base);
    int yellow = 0;
    for (int i = 0; i < MonthGrid::kCells; ++i) {
      const int d = i - month.lead;
      const bool used = d >= 0 && d < month.count;
      ASSERT_EQ(ui.grid->cells[i]->visible() != 0, used) << "step " << n;
      if (!used) continue;
      ASSERT_EQ(std::atoi(ui.grid->cells[i]->primary->value()), d + 1);
      if (ui.grid->cells[i]->color() == FL_YELLOW) {
        ++yellow;
        ASSERT_EQ(d + 1, ui.date.Day(base));
      }
    }
    ASSERT_EQ(yellow, 1) << "step " << n;
  }
}

}  // namespace
