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

// Text grows no narrower as its size grows: at an open size where it is too
// wide, every larger size is too; where it fits, the answer is no smaller.
Fl_Fontsize LargestFittingSize(Fl_Font font, const char* text, double width, Fl_Fontsize largest,
                               Fl_Fontsize smallest) {
  const auto tooWide = [&](Fl_Fontsize size) {
    UseFont(font, size);
    return fl_width(text) > width;
  };
  for (Fl_Fontsize open : OpenSizes(font)) {
    if (open < smallest || open > largest) continue;
    if (tooWide(open)) {
      largest = std::max(open - 1, smallest);
    } else {
      smallest = open;
    }
  }
  if (largest <= smallest) return largest;
  // The first size too wide, less one.
  return SmallestSizeWhere(tooWide, largest + 1, smallest + 1, largest + 1) - 1;
}
