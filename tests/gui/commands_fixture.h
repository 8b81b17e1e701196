// The main window driven as a person drives it, on a fixed day, with the
// alerts recorded: the steps' shared moves and what they check.
#pragma once

#include "gui_support.h"

#include <FL/Fl.H>

#include <string>

#include "gui/dialogs/dialogs.h"
#include "gui/mainwin/calendar_ui.h"

// Named, not anonymous: the test files share the one class.
namespace gui_fixtures {

// Where a modal menu is to go: the item to pick and how.
struct MenuPick {
  int index;
  bool withKeys;
  int from;  // the item selected when the menu opens
};

// In the open menu, drags to the item and lets go, or walks to it with the arrow keys and Enter.
inline void PickInOpenMenu(void* data) {
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

}  // namespace gui_fixtures
