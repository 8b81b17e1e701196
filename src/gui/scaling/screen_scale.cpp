#include "gui/scaling/screen_scale.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr double kUsualDpi = 96;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kSteps = 4;  // quarter steps
const char kDpiResource[] = "Xft.dpi:";

// The root window's RESOURCE_MANAGER, read afresh: the one the display
// cached when it opened misses a change made since.
std::string Resources() {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  constexpr long kWholeProperty = 1L << 20;  // in 32-bit units, far more than any resources hold
  const int read = XGetWindowProperty(fl_display, RootWindow(fl_display, fl_screen), XA_RESOURCE_MANAGER, 0,
                                      kWholeProperty, False, XA_STRING, &type, &format, &count, &left, &data);
  std::string text = read == Success && data ? std::string(data, data + count) : "";
  if (data) XFree(data);
  return text;
}

double PhysicalDpi() {
  const int millimetres = DisplayWidthMM(fl_display, fl_screen);
  return millimetres > 0 ? DisplayWidth(fl_display, fl_screen) * kMillimetresPerInch / millimetres : kUsualDpi;
}

// The resolution resources (the X server's RESOURCE_MANAGER text) name in
// Xft.dpi, or 0 when they name none.
// Walked by hand: a string stream would bring the C++ locale machinery in at
// every start, half a megabyte of resident memory.
double XftDpi(const std::string& resources) {
  for (std::size_t line = 0; line < resources.size();) {
    if (resources.compare(line, sizeof kDpiResource - 1, kDpiResource) == 0) {
      return std::atof(resources.c_str() + line + sizeof kDpiResource - 1);
    }
    const std::size_t end = resources.find('\n', line);
    line = end == std::string::npos ? resources.size() : end + 1;
  }
  return 0;
}

double ScaleForDpi(double dpi) { return std::max(1.0, std::round(dpi / kUsualDpi * kSteps) / kSteps); }

}  // namespace

double ScreenScale() {
  fl_open_display();
  const double named = XftDpi(Resources());
  return ScaleForDpi(named > 0 ? named : PhysicalDpi());
}
