#pragma once

#include <FL/Enumerations.H>

// The label types of the menu bar's titles and of the items that show a
// key: drawn as plain text, measured with a gap after it that grows with the
// text, so that "Tool" and "Help", or "Help Contents" and its "F1", stand
// as far apart, for their size, in a grown window as at the first size (the
// toolkit's gaps after a title and before a key are fixed numbers of pixels).
Fl_Labeltype MenuTitleLabel();
Fl_Labeltype MenuKeyItemLabel();
