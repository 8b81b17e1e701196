#pragma once

#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Window.H>

#include <cstdint>
#include <functional>
#include <vector>

#include "gui/dayswin/days_keeper.h"
#include "gui/scaling/growing_window.h"
#include "core/locale/language_names.h"

// Every one of the user's days with its next date in both calendars,
// soonest first; a day that never comes again last, on the date it had;
// under the columns' headings, each column as wide as its texts. A
// memorial's repeat names the observance coming. Picking a line hands its
// date to `pick`; with no days, the list says how to add one.
class DaysListWindow : public GrowingWindow {
 public:
  DaysListWindow(const DaysKeeper& keeper, std::function<void(int32_t day)> pick);

  // Shows the list as of today.
  void Open(int32_t today, TextStyle style);
  // The list again, after the store changed.
  void ShowDays();
  // The title and the list in the language and numerals chosen now.
  void Restyle(TextStyle style);

  Fl_Browser* heading;  // the columns' names
  Fl_Hold_Browser* list;
  std::vector<int32_t> lineDays;  // the date of each line, in order

 private:
  void FitColumns();
  static void cb_list(Fl_Widget* w, void*);

  const DaysKeeper& keeper;
  std::function<void(int32_t)> pick;
  int32_t today = 0;
  TextStyle style;
  int columnWidths[4] = {};  // the dates' and the name's, and the end of the list (the repeat reads to the line's end)
  int fullWidth = 0;         // of the columns' widest texts together
};
