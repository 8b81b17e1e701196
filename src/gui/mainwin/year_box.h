#pragma once

#include <FL/Fl_Value_Input.H>

#include "core/calendar/navigation.h"

// The year box: a text field for the year of the base calendar. The mouse
// places the cursor and selects digits as in any text field (the toolkit's
// value input would take a drag for a new value); the wheel asks for a
// year's step instead, down for the next year as over the grid.
class YearBox : public Fl_Value_Input {
 public:
  YearBox(int x, int y, int w, int h);
  int handle(int event) override;
  // stepCallback(box, user_data()) runs for each step asked; asked holds it.
  Fl_Callback* stepCallback = nullptr;
  Step asked = Step::kNextYear;

 private:
  int Ask(Step step);
};
