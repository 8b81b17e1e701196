#pragma once

#include <FL/Enumerations.H>

// What an input or output field keeps of its width round its text.
constexpr int kFieldTextInsets = 6;

// The largest size in [smallest, largest] at which text in font is at most
// width wide; smallest when none is. Sizes are tried from the largest down,
// since each one opened costs a font instance.
Fl_Fontsize LargestFittingSize(Fl_Font font, const char* text, double width, Fl_Fontsize largest,
                               Fl_Fontsize smallest);
