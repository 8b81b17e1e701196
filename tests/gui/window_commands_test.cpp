#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "calendar/month_layout.h"
#include "dialogs/dialogs.h"
#include "mainwin/calendar_ui.h"
#include "mainwin/tool_commands.h"

namespace {

// Where a modal menu is to go: the item to pick and how.
struct MenuPick {
  int index;
  bool withKeys;
  int from;  // the item selected when the menu opens
};

// In the open menu, drags to the item and lets go, or walks to it with the arrow keys and Enter.
void PickInOpenMenu(void* data) {
  const auto* pick = static_cast<MenuPick*>(data);
  Fl_Window* menu = Fl::grab();
  if (!menu) return;
  if (pick->withKeys) {
    for (int i = pick->from; i < pick->index; ++i) TypeKey(menu, FL_Down);
    for (int i = pick->from; i > pick->index; --i) TypeKey(menu, FL_Up);
    TypeKey(menu, FL_Enter, 0, "\r");
    return;
  }
  const int itemHeight = menu->h() / 13;  // Ethiopian months, or a little less for twelve
  Fl::e_x_root = menu->x() + menu->w() / 2;
  Fl::e_y_root = menu->y() + itemHeight * pick->index + itemHeight / 2;
  Fl::e_is_click = 0;
  Fl::handle(FL_DRAG, menu);
  Fl::handle(FL_RELEASE, menu);
}

class Commands : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);
    alerts.clear();
    Dialogs::alert = RecordAlert;
    ShowMainWindow(ui);
  }
  void TearDown() override { ui.main_window->hide(); }
  void GoTo(int year, int month, int day, CalendarKind kind) {
    ui.date = DatePair(year, month, day, kind);
    ui.refresh();
  }
  // Types over the year field; Enter commits it.
  void TypeYear(const char* text, bool enter = true) {
    TypeOver(ui.year_input, text);
    if (enter) TypeKey(ui.main_window, FL_Enter, 0, "\r");
  }
  void PickMonth(int index, bool withKeys) {
    MenuPick pick{index, withKeys, ui.month_choice->value()};
    WhenModal(PickInOpenMenu, &pick);
    if (withKeys) {
      Click(ui.year_input);
      TypeKey(ui.main_window, FL_Tab, FL_SHIFT);  // back to the month chooser
      TypeKey(ui.main_window, ' ', 0, " ");
    } else {
      Press(ui.month_choice);
    }
  }
  DayCell* CellShowing(int day) {
    for (DayCell* cell : ui.grid->cells) {
      if (cell->visible() && cell->day == day) return cell;
    }
    ADD_FAILURE() << "no cell shows day " << day;
    return ui.grid->cells[0];
  }
  bool At(int year, int month, int day, CalendarKind kind) const {
    return ui.date.SameDay(DatePair(year, month, day, kind));
  }
  std::string YearField() const { return ui.year_input->input.value(); }

  CalendarUi ui;
};

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

// The field reads decimal digits, perhaps after '+', also when the number
// is unchanged, and afterwards shows the date's year whatever was typed.
TEST_F(Commands, YearFieldReadsWhatItShows) {
  const struct {
    const char* typed;
    int year;  // the date's year afterwards
    bool refused;
  } kEntries[] = {{"04000", 4000, false}, {"+2003", 2003, false}, {"+2003", 2003, false}, {"0x7d0", 2003, true}};
  for (const auto& e : kEntries) {
    alerts.clear();
    TypeYear(e.typed);
    EXPECT_EQ(ui.date.Year(Ethiopian), e.year) << e.typed;
    EXPECT_EQ(YearField(), std::to_string(e.year)) << e.typed;
    EXPECT_EQ(alerts, std::vector<std::string>(e.refused, "Input a number between 1604 and 9999")) << e.typed;
  }
}

TEST_F(Commands, MonthChooserByMouseAndByKeys) {
  PickMonth(12, false);
  EXPECT_TRUE(At(2001, 13, 5, Ethiopian));  // Hdar 20 cut back to the last of Pagume
  PickMonth(4, true);
  EXPECT_TRUE(At(2001, 5, 5, Ethiopian));
  Click(ui.base_button);
  PickMonth(0, true);
  EXPECT_TRUE(At(2009, 1, 13, Gregorian));
}

// A year the buttons reached outside the box's range is no typed year:
// leaving the box by any way a person would never alerts, and the way out acts.
TEST_F(Commands, YearBoxNeverTraps) {
  const struct {
    Fl_Button* CalendarUi::*reach;  // from Meskerem 1604 or Gregorian December 9999
    CalendarKind base;
    int leave;  // 0: Today, 1: Tab, 2: Shift+Tab, 3: the base switch
  } kWays[] = {
      {&CalendarUi::last_year, Ethiopian, 0}, {&CalendarUi::last_year, Ethiopian, 1},
      {&CalendarUi::last_year, Ethiopian, 2}, {&CalendarUi::last_year, Ethiopian, 3},
      {&CalendarUi::next_month, Gregorian, 0}, {&CalendarUi::next_month, Gregorian, 3},
  };
  for (const auto& w : kWays) {
    ui.base_kind = w.base;
    GoTo(w.base == Ethiopian ? 1604 : 9999, w.base == Ethiopian ? 1 : 12, 1, w.base);
    Click(ui.*w.reach);
    alerts.clear();
    const DatePair reached = ui.date;
    Click(ui.year_input);
    if (w.leave == 0) Click(ui.today);
    if (w.leave == 1 || w.leave == 2) TypeKey(ui.main_window, FL_Tab, w.leave == 2 ? FL_SHIFT : 0);
    if (w.leave == 3) Click(ui.base_button);
    EXPECT_TRUE(alerts.empty()) << w.leave;
    EXPECT_NE(Fl::focus(), &ui.year_input->input) << w.leave;
    const bool acted = w.leave == 0 ? At(2001, 3, 20, Ethiopian)
                       : w.leave == 3 ? ui.base_kind != w.base
                                      : ui.date.SameDay(reached);
    EXPECT_TRUE(acted) << w.leave;
  }
  // One typed commit, one alert, however the box is left afterwards; the
  // forward steps go by the date, not by the refused number left in the field.
  ui.base_kind = Ethiopian;
  GoTo(2008, 11, 29, Gregorian);
  alerts.clear();
  TypeYear("10000");
  Click(ui.next_month);
  EXPECT_TRUE(At(2001, 4, 20, Ethiopian));
  Click(ui.next_year);
  EXPECT_TRUE(At(2002, 4, 20, Ethiopian));
  EXPECT_EQ(alerts.size(), 1u);
}

struct ShownAlert {
  std::string title;
  int width = 0;
  std::vector<std::string> texts;  // its widgets' labels
};

// Looks at the alert the toolkit shows, then closes it as Escape would.
void InspectAlert(void* data) {
  auto* seen = static_cast<ShownAlert*>(data);
  Fl_Window* alert = Fl::modal();
  if (!alert) return;
  seen->title = alert->label() ? alert->label() : "";
  seen->width = alert->w();
  for (int i = 0; i < alert->children(); ++i) {
    if (alert->child(i)->label()) seen->texts.push_back(alert->child(i)->label());
  }
  alert->hide();
}

// Alerts carry the program's name, say it in the language picked, and a
// long one wraps to fit a small screen.
TEST_F(Commands, AlertsWrapAndCarryTheTitle) {
  const std::string path = "/home/someone/" + std::string(120, 'x') + "/output.htm";
  const std::string message = path + " could not be saved in one place (Permission denied) nor in another.";
  ShownAlert seen;
  Dialogs::alert = ShowAlert;
  WhenModal(InspectAlert, &seen);
  Dialogs::alert(message.c_str());
  EXPECT_EQ(seen.title, "Zelmora");
  EXPECT_GT(seen.width, 300);
  EXPECT_LE(seen.width, 800);
  const struct {
    bool amharic;
    const char* shown;
  } kLanguages[] = {{false, "Input a number between 1604 and 9999"}, {true, "ከ1604 እስከ 9999 ያለ ቁጥር ያስገቡ"}};
  for (const auto& language : kLanguages) {
    if (language.amharic) MenuBarOf(ui.main_window)->picked(ui.amharic_item);
    ShownAlert said;
    WhenModal(InspectAlert, &said);
    Dialogs::alert("Input a number between 1604 and 9999");
    EXPECT_NE(std::find(said.texts.begin(), said.texts.end(), language.shown), said.texts.end()) << language.shown;
    if (language.amharic) MenuBarOf(ui.main_window)->picked(ui.amharic_item);
  }
  // Words stay whole; a word longer than a line breaks after a '/' or where it must.
  const auto sevenEach = [](const std::string& line) { return static_cast<int>(line.size()) * 7; };
  const struct {
    const char* text;
    const char* wrapped;
  } kTexts[] = {
      {"short", "short"},
      {"one two three four", "one two\nthree four"},
      {"/a/bbbbbbbbbb/c", "/a/\nbbbbbbbbbb\n/c"},
      {"xxxxxxxxxxxxxxxxxxxxxxxxxx", "xxxxxxxxxx\nxxxxxxxxxx\nxxxxxx"},
      {"line\nbreak kept", "line\nbreak kept"},
  };
  for (const auto& t : kTexts) EXPECT_EQ(WrapText(t.text, 70, sevenEach), t.wrapped) << t.text;
}

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

namespace {

// A drag over the year box's digits selects them and moves no date; the
// wheel over the box steps the year.
TEST_F(Commands, YearBoxSelectsByMouseAndStepsByWheel) {
  const DatePair start = ui.date;
  Drag(ui.year_input, 4, 40);
  EXPECT_TRUE(ui.date.SameDay(start));
  EXPECT_EQ(YearField(), "2001");
  EXPECT_NE(ui.year_input->input.position(), ui.year_input->input.mark());
  EXPECT_EQ(Fl::focus(), &ui.year_input->input);
  for (const auto& [notches, year] : {std::pair{1, 2002}, {-1, 2001}, {-1, 2000}}) {
    Wheel(ui.year_input, notches);
    EXPECT_TRUE(At(year, 3, 20, Ethiopian)) << year;
    EXPECT_EQ(YearField(), std::to_string(year));
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
