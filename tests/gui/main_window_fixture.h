// The main window shown as the program starts it, on a fixed day, with its
// midnight timer recorded so that a test runs it.
#pragma once

#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include "gui/mainwin/calendar_ui.h"

// Named, not anonymous: the test files share the one class, and the window
// program has a MainWindow of its own.
namespace gui_fixtures {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);  // Hdar 20, 2001
    pendingTimeouts.clear();
    CalendarUi::midnightTimer = {ArmRecorded, CancelRecorded};
    ShowMainWindow(ui);
    ui.main_window->wait_for_expose();  // the cells fit their numbers as they are first drawn
  }
  void TearDown() override {
    ui.main_window->hide();
    CalendarUi::midnightTimer = realTimer;
  }

  void TabTo(Fl_Widget* target) {
    for (int i = 0; i < 20 && Fl::focus() != target; ++i) TypeKey(ui.main_window, FL_Tab);
    ASSERT_EQ(Fl::focus(), target);
  }
  // What the menu bar does once a person has picked Tool > Holidays.
  void PickHolidays() { MenuBar()->picked(ui.holidays_item); }

  Fl_Menu_Bar* MenuBar() const { return MenuBarOf(ui.main_window); }

  const ReckoningClock::Timer realTimer = CalendarUi::midnightTimer;
  CalendarUi ui;
};

}  // namespace gui_fixtures
