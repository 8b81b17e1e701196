#include "gui/pictures/grown_picture.h"

#include "gui/scaling/scale.h"

Fl_Image* GrownPicture::At(double scale) {
  const int width = Scaled(first.w(), scale);
  const int height = Scaled(first.h(), scale);
  if (width == first.w() && height == first.h()) return &first;
  if (!grown || grown->w() != width || grown->h() != height) {
    // Blended, not repeated, pixels: a grown flag keeps its soft edges.
    const Fl_RGB_Scaling usual = Fl_Image::RGB_scaling();
    Fl_Image::RGB_scaling(FL_RGB_SCALING_BILINEAR);
    grown.reset(first.copy(width, height));
    Fl_Image::RGB_scaling(usual);
  }
  return grown.get();
}
