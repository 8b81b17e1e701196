#pragma once

#include <FL/Enumerations.H>

// The label type of the menu bar's titles: drawn as plain text, measured
// with a gap after it that grows with the text, so that "Tool" and "Help"
// stand as far apart, for their size, in a grown window as at the first size
// (the toolkit's gap between titles is a fixed number of pixels).
Fl_Labeltype MenuTitleLabel();
