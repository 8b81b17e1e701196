#include "gui/mainwin/year_box.h"

#include <FL/Fl.H>

YearBox::YearBox(int x, int y, int w, int h) : Fl_Value_Input(x, y, w, h) {}

int YearBox::handle(int event) {
  switch (event) {
    case FL_PUSH:
    case FL_DRAG:
    case FL_RELEASE:
      return input.handle(event);
    case FL_MOUSEWHEEL:
      if (Fl::event_dy() == 0) return 0;
      return Ask(Fl::event_dy() > 0 ? Step::kNextYear : Step::kPrevYear);
    default:
      return Fl_Value_Input::handle(event);
  }
}

int YearBox::Ask(Step step) {
  if (!stepCallback) return 0;
  asked = step;
  stepCallback(this, user_data());
  return 1;
}
