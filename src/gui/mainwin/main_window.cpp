#include "gui/mainwin/main_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>

#include "gui/keys/window_keys.h"

namespace {

// A field the user types into keeps the arrow keys for its cursor.
bool TextFieldFocused() {
  const auto* field = dynamic_cast<const Fl_Input_*>(Fl::focus());
  return field && !field->readonly();
}

}  // namespace

MainWindow* MainWindow::shown = nullptr;

MainWindow::MainWindow(int w, int h, const char* label) : GrowingWindow(w, h, label) {
  callback(cb_close);
  shown = this;
  Fl::add_handler(ShortcutFromAnyWindow);
}

MainWindow::~MainWindow() {
  Fl::remove_handler(ShortcutFromAnyWindow);
  if (shown == this) shown = nullptr;
}

// The steps' keys reach the grid whatever button or chooser has the focus,
// before the toolkit takes the arrows to move the focus. Keys no widget
// inside took come here as shortcuts.
int MainWindow::handle(int event) {
  if (event == FL_KEYBOARD && keyTarget && !TextFieldFocused() &&
      StepForKey(Fl::event_key(), Fl::event_state()) && keyTarget->handle(FL_KEYBOARD)) {
    return 1;
  }
  if (GrowingWindow::handle(event)) return 1;
  if (event != FL_SHORTCUT) return 0;
  if (Fl::test_shortcut(ShortcutOf(KeyCommand::kOpenMenu))) {
    OpenFirstMenu();
    return 1;
  }
  return PickShortcut();
}

// The first title's items, under it, the first of them lit so that the
// arrows and Enter work from there. (The toolkit's pulldown from a menu bar
// lights none of a title's items.)
void MainWindow::OpenFirstMenu() {
  if (!menuBar) return;
  const Fl_Menu_Item* items = menuBar->menu()->first() + 1;  // a title's items follow it
  // The toolkit centres the lit item on the box given: one of the bar's
  // height, under the bar, puts the menu just below it.
  const Fl_Menu_Item* picked =
      items->pulldown(menuBar->x(), menuBar->y() + menuBar->h(), 1, menuBar->h(), items, menuBar);
  menuBar->picked(picked);
}

// The menu bar tests only the items it shows; the table's hidden items keep
// their keys all the same.
bool MainWindow::PickShortcut() {
  if (!menuBar) return false;
  for (int i = 0; i < menuBar->size(); ++i) {
    const Fl_Menu_Item& item = menuBar->menu()[i];
    if (item.label() && item.shortcut() && item.active() && Fl::test_shortcut(item.shortcut())) {
      menuBar->picked(&item);
      return true;
    }
  }
  return false;
}

// The toolkit offers a key first to the window under the pointer; what no
// window took comes here, so Ctrl+Q and F1 work from the Clock and About
// windows too.
int MainWindow::ShortcutFromAnyWindow(int event) {
  if (event != FL_SHORTCUT || !shown) return 0;
  return shown->PickShortcut();
}

// The toolkit closes the focused window on Escape; this one stays.
void MainWindow::cb_close(Fl_Widget* window, void*) {
  if (Fl::event() == FL_SHORTCUT && Fl::test_shortcut(ShortcutOf(KeyCommand::kCloseWindow))) return;
  const auto* main = static_cast<MainWindow*>(window);
  if (!main->mayClose || main->mayClose()) window->hide();
}
