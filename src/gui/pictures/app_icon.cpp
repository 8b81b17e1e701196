#include "gui/pictures/app_icon.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>

#include <cstddef>

#include "gui/pictures/ppm.h"

extern const unsigned char kIconPam[];
extern const std::size_t kIconPamSize;

namespace {
constexpr int kIconSize = 64;
constexpr int kRgba = 4;
}  // namespace

void SetAppIcon(Fl_Window* window) {
  // The window copies the picture, so one shared image serves every window.
  static const Fl_RGB_Image icon(PpmPixels(kIconPam, kIconPamSize, kIconSize, kIconSize, kRgba), kIconSize,
                                 kIconSize, kRgba);
  window->icon(&icon);
  Fl_Window::default_xclass("zelmora");  // the toolkit's own dialogs, such as the alert, take it too
}
