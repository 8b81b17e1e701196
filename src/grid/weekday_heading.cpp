#include "grid/weekday_heading.h"

#include <FL/fl_draw.H>

namespace {
constexpr Fl_Fontsize kUsualSize = 14;
constexpr Fl_Fontsize kSmallestSize = 8;
}  // namespace

WeekdayHeading::WeekdayHeading(int x, int y, int w, int h) : Fl_Box(x, y, w, h, "") { labelfont(FL_TIMES); }

Fl_Fontsize WeekdayHeading::FittingSize() const {
  Fl_Fontsize size = kUsualSize;
  for (; size > kSmallestSize; --size) {
    fl_font(labelfont(), size);
    if (fl_width(label()) <= w()) break;
  }
  return size;
}
