// The keys that walk the main window and reach past it: Tab's stops, Escape,
// F10 and Ctrl+Q, with the Clock and About windows open.
#include "main_window_fixture.h"

#include <FL/Fl.H>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/about/about_window.h"
#include "gui/clock/clock_window.h"

namespace {

using gui_fixtures::MainWindow;

// From the "Today" button the Tab key walks a few stops round the window:
// the grid is one of them and nothing inside it or out of sight is.
TEST_F(MainWindow, TabStops) {
  TabTo(ui.today);
  std::vector<Fl_Widget*> stops{ui.today};
  for (TypeKey(ui.main_window, FL_Tab); Fl::focus() != ui.today && stops.size() < 100;
       TypeKey(ui.main_window, FL_Tab)) {
    stops.push_back(Fl::focus());
  }
  EXPECT_LE(stops.size(), 15u);
  EXPECT_EQ(std::count(stops.begin(), stops.end(), ui.grid), 1);
  for (Fl_Widget* stop : stops) {
    EXPECT_TRUE(stop == ui.grid || !ui.grid->contains(stop));
    EXPECT_LT(stop->y(), ui.main_window->h());
  }
}

struct MenuKey {
  int key;
  bool opened;
};
void PressInMenu(void* data) {
  auto* press = static_cast<MenuKey*>(data);
  press->opened = Fl::grab() != nullptr;
  if (Fl::grab()) TypeKey(Fl::grab(), press->key, 0, press->key == FL_Enter ? "\r" : "");
}

// Escape closes the focused Clock or About window wherever the pointer is,
// and leaves the main window open; F10 opens the first menu; Ctrl+Q from any
// window ends the program.
TEST_F(MainWindow, WindowKeys) {
  TypeKey(ui.main_window, FL_Escape);
  EXPECT_TRUE(ui.main_window->shown());
  // F10 lights the first item: Enter opens the clock.
  for (int key : {FL_Escape, FL_Enter}) {
    MenuKey press{key, false};
    WhenModal(PressInMenu, &press);
    TypeKey(ui.main_window, FL_F + 10);
    Settle();
    EXPECT_TRUE(press.opened);
    EXPECT_EQ(ShownWindow("Ethiopian Clock") != nullptr, key == FL_Enter);
  }
  if (Fl_Window* clock = ShownWindow("Ethiopian Clock")) Fl::handle(FL_CLOSE, clock);
  const struct {
    void (*open)();
    const char* label;
  } kWindows[] = {{[] { OpenClockWindow(); }, "Ethiopian Clock"}, {OpenAboutWindow, "About Zelmora"}};
  for (const auto& k : kWindows) {
    for (const bool quit : {false, true}) {
      k.open();
      Settle();
      Fl_Window* other = ShownWindow(k.label);
      ASSERT_NE(other, nullptr) << k.label;
      Fl::belowmouse(quit ? static_cast<Fl_Widget*>(other) : ui.grid);  // or the pointer rests on the main window
      Fl::focus(other);
      TypeKey(other, quit ? 'q' : FL_Escape, quit ? FL_CTRL : 0, quit ? "\x11" : "");
      Settle();
      EXPECT_EQ(ShownWindow(k.label), nullptr) << k.label;
      EXPECT_EQ(Fl::first_window() == nullptr, quit) << k.label;
    }
    ui.main_window->show();
  }
}

// Lines part the Tool menu's check items from its commands.
TEST_F(MainWindow, ToolMenuLines) {
  std::vector<std::string> above;
  for (const Fl_Menu_Item& item : ui.main_menu) {
    if (item.label() && (item.flags & FL_MENU_DIVIDER)) above.push_back(item.label());
  }
  EXPECT_EQ(above, (std::vector<std::string>{"Output html", "Remind of feasts", "Bahire Hasab", "My days",
                                             "Export holidays\u2026"}));
}

}  // namespace
