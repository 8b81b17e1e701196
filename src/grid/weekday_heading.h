#pragma once

#include <FL/Fl_Box.H>

// A weekday name over a grid column. Names too long for the column at the
// usual size ("maksagno") step down until they fit, so neighbours never run
// into each other. The fit is worked out when drawn, once fonts are loaded.
class WeekdayHeading : public Fl_Box {
 public:
  WeekdayHeading(int x, int y, int w, int h);
  void draw() override;
};
