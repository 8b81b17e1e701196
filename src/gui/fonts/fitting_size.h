#pragma once

#include <FL/Enumerations.H>

#include <algorithm>
#include <vector>

// What an input or output field keeps of its width round its text.
constexpr int kFieldTextInsets = 6;

// Sets the font to measure in, as fl_font does, and keeps in mind that the
// size is open: the toolkit keeps a font instance (some 64 kB) for each size
// ever set, so the fitting below measures first at sizes already open.
void UseFont(Fl_Font font, Fl_Fontsize size);
// The sizes of font set through UseFont, smallest first.
std::vector<Fl_Fontsize> OpenSizes(Fl_Font font);

// The smallest size in [least, most] at which holds(size), for a test that
// holds at every size above one at which it holds; it is taken to hold at
// most, which is never asked. The search starts from an estimate and steps
// towards the answer, so that only the sizes round it are opened.
template <class Test>
Fl_Fontsize SmallestSizeWhere(Test holds, Fl_Fontsize estimate, Fl_Fontsize least, Fl_Fontsize most) {
  Fl_Fontsize size = std::clamp(estimate, least, most);
  if (size == most || holds(size)) {
    while (size > least && holds(size - 1)) --size;
    return size;
  }
  while (++size < most && !holds(size)) {
  }
  return size;
}

// The largest size in [smallest, largest] at which text in font is at most
// width wide; smallest, never measured, when none is. Sizes are tried from
// the largest down, after what the sizes already open of font tell.
Fl_Fontsize LargestFittingSize(Fl_Font font, const char* text, double width, Fl_Fontsize largest,
                               Fl_Fontsize smallest);
