#include "mainwin/main_window.h"

#include <FL/Fl.H>

#include <vector>

MainWindow::MainWindow(int w, int h, const char* label) : Fl_Window(w, h, label) {}

// Keys no widget inside took come here as shortcuts.
int MainWindow::handle(int event) {
  if (Fl_Window::handle(event)) return 1;
  if (event != FL_SHORTCUT) return 0;
  const int key = Fl::event_key();
  if (key == FL_Escape) return 1;
  if (key == FL_F + 10) {
    OpenFirstMenu();
  } else if (key == FL_F + 1) {
    PickItem("Help/Help Contents");
  } else if (key == 'q' && Fl::event_ctrl()) {
    CloseEveryWindow();
  } else {
    return 0;
  }
  return 1;
}

// As a click on the first title of the bar does.
void MainWindow::OpenFirstMenu() {
  if (!menuBar) return;
  const Fl_Menu_Item* menu = menuBar->menu();
  const Fl_Menu_Item* picked =
      menu->pulldown(menuBar->x(), menuBar->y(), menuBar->w(), menuBar->h(), menu->first(), menuBar, nullptr, 1);
  menuBar->picked(picked);
}

void MainWindow::PickItem(const char* path) {
  if (menuBar) menuBar->picked(menuBar->find_item(path));
}

// Each window closes as its close button would close it, so windows that
// free themselves on closing still do.
void MainWindow::CloseEveryWindow() {
  std::vector<Fl_Window*> shown;
  for (Fl_Window* window = Fl::first_window(); window; window = Fl::next_window(window)) shown.push_back(window);
  for (Fl_Window* window : shown) window->do_callback();
}
