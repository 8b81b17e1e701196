// The year box and the month chooser, by keys, mouse and wheel; the alert a
// refused year brings, in the program's name and the language picked.
#include "commands_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using gui_fixtures::Commands;

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

// At the span's ends the steps that cannot move are inactive; a year whose
// holidays cannot be written cannot be exported, and the menu bar says why.
TEST_F(Commands, SpanEndsInactive) {
  const struct {
    int year, month, day;  // Ethiopian
    bool back, forward, exportable;
  } kEnds[] = {{9999, 13, 6, true, false, false}, {1, 1, 1, false, true, true}, {2001, 3, 20, true, true, true}};
  for (const auto& e : kEnds) {
    ui.base_kind = Ethiopian;
    GoTo(e.year, e.month, e.day, Ethiopian);
    for (Fl_Button* b : {ui.last_year, ui.last_month, ui.yesterday}) EXPECT_EQ(b->active() != 0, e.back) << e.year;
    for (Fl_Button* b : {ui.tomorrow, ui.next_month, ui.next_year}) EXPECT_EQ(b->active() != 0, e.forward) << e.year;
    const Fl_Menu_Item* exportItem = ui.menu_bar->find_item("Tool/Export holidays\u2026");
    ASSERT_NE(exportItem, nullptr);
    EXPECT_EQ(exportItem->active() != 0, e.exportable) << e.year;
    EXPECT_EQ(ui.menu_bar->tooltip() == nullptr, e.exportable) << e.year;
  }
}

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

}  // namespace
