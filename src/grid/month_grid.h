#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>

#include <vector>

#include "calendar/date_pair.h"
#include "calendar/holidays.h"
#include "grid/day_cell.h"

// One month as seven weekday columns (Sunday first) and six rows of days,
// laid out in a base calendar with the other calendar's days beside them.
// It keeps no date: it shows what the last ShowMonth gave it.
class MonthGrid : public Fl_Group {
 public:
  static constexpr int kColumns = 7;
  static constexpr int kRows = 6;
  static constexpr int kCells = kColumns * kRows;
  static constexpr int kHeadingHeight = 16;

  MonthGrid(int x, int y, int w, int h);

  // Shows the month, in calendar kind, that holds date, and marks date.
  void ShowMonth(DatePair date, CalendarKind kind);
  // cb(grid, cell) runs when a shown day is clicked.
  void SetDayCallback(Fl_Callback* cb);

  DayCell* cells[kCells];
  Fl_Box* headers[kColumns];
  Fl_Callback* dayCallback = nullptr;
  // Public holidays red and every holiday named in its cell's tooltip.
  bool holidaysShown = false;

 private:
  static void ForwardClick(Fl_Widget* cell, void* data);
  void ShowDay(int index, const char* baseDay, const char* otherDay, bool current);
  void HideCell(int index);
  void MarkHolidays(int index, const std::vector<Holiday>& holidays);
};
