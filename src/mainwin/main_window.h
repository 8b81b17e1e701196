#pragma once

#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Window.H>

// The main window and its own keys. Escape does not close it (only the close
// button does); F10 opens the menu bar's first menu; any other key no widget
// took goes to the menu table's shortcuts, hidden items' included.
class MainWindow : public Fl_Window {
 public:
  MainWindow(int w, int h, const char* label);
  int handle(int event) override;

  Fl_Menu_Bar* menuBar = nullptr;

 private:
  void OpenFirstMenu();
  bool PickShortcut();
};
