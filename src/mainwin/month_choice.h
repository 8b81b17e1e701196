#pragma once

#include <FL/Fl_Choice.H>

#include "calendar/calendar_kind.h"

// The month chooser: lists the months of one calendar.
class MonthChoice : public Fl_Choice {
 public:
  MonthChoice(int x, int y, int w, int h);
  // Lists kind's months, in Amharic when asked, selects the first and redraws.
  void SetKind(CalendarKind kind, bool amharic = false);

  CalendarKind kind = Ethiopian;
};
