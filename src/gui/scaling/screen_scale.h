#pragma once

// How much larger than the toolkit's usual sizes, drawn for 96 dots per
// inch, the screen asks windows to open: by Xft.dpi in the X resources, else
// by the screen's physical resolution; in quarter steps, so that a screen a
// few dots off 96 keeps the usual sizes; never below 1.
double ScreenScale();
