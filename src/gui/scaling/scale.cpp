#include "gui/scaling/scale.h"

#include <algorithm>
#include <cmath>

double GrowthScale(int width, int height, int firstWidth, int firstHeight) {
  const double wider = static_cast<double>(width) / firstWidth;
  const double taller = static_cast<double>(height) / firstHeight;
  return std::max(1.0, std::min(wider, taller));
}

int Scaled(int length, double scale) { return static_cast<int>(std::lround(length * scale)); }
