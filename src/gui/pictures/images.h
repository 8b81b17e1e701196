#pragma once

#include <FL/Fl_RGB_Image.H>

// Pictures shared by the main window, the clock window and the About window.
extern Fl_RGB_Image image_flag;   // 32 x 32: the Ethiopian base
extern Fl_RGB_Image image_globe;  // 32 x 32: the Gregorian base
extern Fl_RGB_Image image_logo;   // 64 x 64: the application logo
