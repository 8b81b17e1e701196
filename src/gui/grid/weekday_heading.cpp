#include "gui/grid/weekday_heading.h"

#include <FL/fl_draw.H>

#include <algorithm>

#include "gui/fonts/fitting_size.h"

namespace {
constexpr Fl_Fontsize kUsualSize = 14;
constexpr Fl_Fontsize kSmallestSize = 8;
}  // namespace

WeekdayHeading::WeekdayHeading(int x, int y, int w, int h) : Fl_Box(x, y, w, h, ""), firstHeight(h) {
  labelfont(FL_TIMES);
}

// A name's width grows in step with the size, so one measure at the usual
// size gives the size that fits, give or take hinting. Each size opened costs
// a font instance, so the search starts at the estimate and steps down only
// where it is too wide.
// The usual size grows with the heading's height.
Fl_Fontsize WeekdayHeading::FittingSize() const {
  const Fl_Fontsize usualSize = std::max(kUsualSize, kUsualSize * h() / firstHeight);
  UseFont(labelfont(), usualSize);
  const double usualWidth = fl_width(label());
  if (usualWidth <= w()) return usualSize;
  const Fl_Fontsize estimate = std::clamp(static_cast<Fl_Fontsize>(usualSize * w() / usualWidth), kSmallestSize,
                                         usualSize - 1);
  return LargestFittingSize(labelfont(), label(), w(), estimate, kSmallestSize);
}
