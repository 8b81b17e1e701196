#include "mainwin/main_window.h"

#include <FL/Fl.H>

MainWindow::MainWindow(int w, int h, const char* label) : Fl_Window(w, h, label) {}

// Keys no widget inside took come here as shortcuts.
int MainWindow::handle(int event) {
  if (Fl_Window::handle(event)) return 1;
  if (event != FL_SHORTCUT) return 0;
  const int key = Fl::event_key();
  if (key == FL_Escape) return 1;
  if (key == FL_F + 10) {
    OpenFirstMenu();
    return 1;
  }
  return PickShortcut();
}

// As a click on the first title of the bar does.
void MainWindow::OpenFirstMenu() {
  if (!menuBar) return;
  const Fl_Menu_Item* menu = menuBar->menu();
  const Fl_Menu_Item* picked =
      menu->pulldown(menuBar->x(), menuBar->y(), menuBar->w(), menuBar->h(), menu->first(), menuBar, nullptr, 1);
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
