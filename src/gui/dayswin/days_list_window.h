#pragma once

#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Window.H>

#include <cstdint>
#include <functional>
#include <vector>

#include "gui/dayswin/days_keeper.h"
#include "core/locale/language_names.h"

// Every one of the user's days with its next date in both calendars,
// soonest first; a day that never comes again last, on the date it had.
// Picking a line hands its date to `pick`.
class DaysListWindow : public Fl_Window {
 public:
  DaysListWindow(const DaysKeeper& keeper, std::function<void(int32_t day)> pick);

  // Shows the list as of today.
  void Open(int32_t today, TextStyle style);
  // The list again, after the store changed.
  void ShowDays();
  // The title and the list in the language and numerals chosen now.
  void Restyle(TextStyle style);

  Fl_Hold_Browser* list;
  std::vector<int32_t> lineDays;  // the date of each line, in order

 private:
  static void cb_list(Fl_Widget* w, void*);

  const DaysKeeper& keeper;
  std::function<void(int32_t)> pick;
  int32_t today = 0;
  TextStyle style;
};
