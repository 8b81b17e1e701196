#pragma once

#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>

#include <vector>

#include "core/locale/language_names.h"

// A browser that tells how tall its lines are together.
class HasabTable : public Fl_Browser {
 public:
  using Fl_Browser::Fl_Browser;
  int LinesHeight() const { return full_height(); }
};

// Tool > Bahire Hasab: the figures of one Ethiopian year's reckoning and the
// feasts and fasts that move with Fasika, in both calendars, as a table in
// the Ethiopic face, in the language and numerals it was opened with. It
// opens wide enough for its table, may grow, steps to the previous and the
// next year, and closes on Escape. Several may be open; each frees itself
// once closed.
class BahireHasabWindow {
 public:
  BahireHasabWindow(int ethiopianYear, TextStyle style);
  ~BahireHasabWindow();
  void Show();
  // Shows year ([1, 9999]) in the same window.
  void ShowYear(int year);

  Fl_Window* window;
  Fl_Button* previous;
  Fl_Button* next;
  HasabTable* table;
  int year;

 private:
  void FitToTable();
  static void cb_close(Fl_Widget* window, void* data);
  static void cb_step(Fl_Widget* button, void* data);

  TextStyle style;
  std::vector<int> columns;  // the table's column widths, ended by 0
};

// Builds and shows a new window for ethiopianYear ([1, 9999]).
void OpenBahireHasabWindow(int ethiopianYear, TextStyle style);
