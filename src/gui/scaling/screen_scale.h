#pragma once

#include <string>

// How much larger than the toolkit's usual sizes, drawn for 96 dots per
// inch, the screen asks windows to open: by Xft.dpi in the X resources, else
// by the screen's physical resolution; never below 1.
double ScreenScale();

// The scale for a resolution in dots per inch, in quarter steps, so that a
// screen a few dots off 96 keeps the usual sizes.
double ScaleForDpi(double dpi);

// The resolution resources (the X server's RESOURCE_MANAGER text) name in
// Xft.dpi, or 0 when they name none.
double XftDpi(const std::string& resources);
