#pragma once

#include <FL/Fl_Box.H>

// A weekday name over a grid column.
class WeekdayHeading : public Fl_Box {
 public:
  WeekdayHeading(int x, int y, int w, int h);
  // The largest size, up to the usual 14 (more as the heading grows taller
  // than at first), at which the name fits the column ("maksagno" needs
  // less). Asked when drawing, once fonts are loaded.
  Fl_Fontsize FittingSize() const;

 private:
  const int firstHeight;
};
