#include "platform/app_icon.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>

#include <cstddef>

#include "platform/ppm.h"

extern const unsigned char kIconPpm[];
extern const std::size_t kIconPpmSize;

void SetAppIcon(Fl_Window* window) {
  // The window copies the picture, so one shared image serves every window.
  static const Fl_RGB_Image icon(PpmPixels(kIconPpm, kIconPpmSize, 64, 64), 64, 64, 3);
  window->icon(&icon);
}
