#pragma once

#include <FL/Fl_Menu_Bar.H>

#include <functional>

#include "gui/scaling/growing_window.h"

// The main window and the program's keys. Escape never closes it (only the
// close button does), though it closes whichever other window has the focus;
// the steps' keys move the day unless a text field has the focus;
// F10 opens the menu bar's first menu; any other key that no widget took, in
// any window of the program, goes to the menu table's shortcuts, hidden
// items' included.
class MainWindow : public GrowingWindow {
 public:
  MainWindow(int w, int h, const char* label);
  ~MainWindow() override;
  int handle(int event) override;

  Fl_Menu_Bar* menuBar = nullptr;
  // Asked before the window closes; false keeps it open.
  std::function<bool()> mayClose;
  // Takes the steps' keys whenever no text field has the focus.
  Fl_Widget* keyTarget = nullptr;

 private:
  void OpenFirstMenu();
  bool PickShortcut();
  static int ShortcutFromAnyWindow(int event);
  static void cb_close(Fl_Widget* window, void*);

  static MainWindow* shown;  // the one whose menu takes the other windows' keys
};
