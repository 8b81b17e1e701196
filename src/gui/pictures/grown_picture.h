#pragma once

#include <FL/Fl_RGB_Image.H>

#include <memory>

// A picture at a window's scale: the picture itself at its first size (so a
// window at that size looks as it always has), else a copy grown to the
// scale, made once for each new size.
class GrownPicture {
 public:
  explicit GrownPicture(Fl_RGB_Image& first) : first(first) {}
  Fl_Image* At(double scale);

 private:
  Fl_RGB_Image& first;
  std::unique_ptr<Fl_Image> grown;
};
