#pragma once

#include <FL/Fl_Choice.H>

#include "core/calendar/calendar_kind.h"
#include "core/language/language.h"

// The month chooser: lists the months of one calendar.
class MonthChoice : public Fl_Choice {
 public:
  MonthChoice(int x, int y, int w, int h);
  // Lists kind's months in language, selects the first and redraws.
  void SetKind(CalendarKind kind, Language language = Language::kEnglish);

  CalendarKind kind = Ethiopian;

 protected:
  void draw() override;

 private:
  const int firstHeight;
};
