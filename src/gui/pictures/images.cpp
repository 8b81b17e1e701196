#include "gui/pictures/images.h"

#include <cstddef>

#include "gui/pictures/ppm.h"

extern const unsigned char kFlagPpm[];
extern const std::size_t kFlagPpmSize;
extern const unsigned char kGlobePpm[];
extern const std::size_t kGlobePpmSize;
extern const unsigned char kLogoPpm[];
extern const std::size_t kLogoPpmSize;

// Built in this order before main and destroyed in reverse after it.
Fl_RGB_Image image_flag(PpmPixels(kFlagPpm, kFlagPpmSize, 32, 32), 32, 32, 3);
Fl_RGB_Image image_globe(PpmPixels(kGlobePpm, kGlobePpmSize, 32, 32), 32, 32, 3);
Fl_RGB_Image image_logo(PpmPixels(kLogoPpm, kLogoPpmSize, 64, 64), 64, 64, 3);
