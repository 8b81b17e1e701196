#pragma once

#include <FL/Fl_Browser.H>
#include <FL/Fl_Window.H>

// Tool > Bahire Hasab: the figures of one Ethiopian year's reckoning, as the
// terminal prints them, and the feasts and fasts that move with Fasika, in
// both calendars. Several may be open; each frees itself once closed.
class BahireHasabWindow {
 public:
  explicit BahireHasabWindow(int ethiopianYear);
  ~BahireHasabWindow();
  void Show();

  Fl_Window* window;
  Fl_Browser* lines;

 private:
  void AddFigures(int year);
  void AddMovableFeasts(int year);
  static void cb_close(Fl_Widget* window, void* data);
};

// Builds and shows a new window for ethiopianYear ([1, 9999]).
void OpenBahireHasabWindow(int ethiopianYear);
