#include "gui/fonts/fitting_size.h"

#include <FL/fl_draw.H>

#include <utility>
#include <vector>

namespace {

// Each font and size set through UseFont.
std::vector<std::pair<Fl_Font, Fl_Fontsize>>& Opened() {
  static std::vector<std::pair<Fl_Font, Fl_Fontsize>> opened;
  return opened;
}

}  // namespace

void UseFont(Fl_Font font, Fl_Fontsize size) {
  fl_font(font, size);
  auto& opened = Opened();
  if (std::find(opened.begin(), opened.end(), std::make_pair(font, size)) == opened.end()) opened.emplace_back(font, size);
}

std::vector<Fl_Fontsize> OpenSizes(Fl_Font font) {
  std::vector<Fl_Fontsize> sizes;
  for (const auto& [openFont, size] : Opened()) {
    if (openFont == font) sizes.push_back(size);
  }
  std::sort(sizes.begin(), sizes.end());
  return sizes;
}

// Text grows no narrower as its size grows.
Fl_Fontsize LargestFittingSize(Fl_Font font, const char* text, double width, Fl_Fontsize largest,
                               Fl_Fontsize smallest) {
  const auto fits = [&](Fl_Fontsize size) {
    UseFont(font, size);
    return fl_width(text) <= width;
  };
  Fl_Fontsize size = largest;
  for (Fl_Fontsize open : OpenSizes(font)) {
    if (open >= smallest && open < size && !fits(open)) size = open;
  }
  while (size > smallest && !fits(size)) --size;
  return size;
}
