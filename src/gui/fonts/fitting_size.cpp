#include "gui/fonts/fitting_size.h"

#include <FL/fl_draw.H>

Fl_Fontsize LargestFittingSize(Fl_Font font, const char* text, double width, Fl_Fontsize largest,
                               Fl_Fontsize smallest) {
  Fl_Fontsize size = largest;
  for (fl_font(font, size); size > smallest && fl_width(text) > width;) fl_font(font, --size);
  return size;
}
