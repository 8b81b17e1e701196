#pragma once

#include <FL/Enumerations.H>

// Where the main window's widgets stand, at its smallest (and first) size.
namespace layout {

constexpr int kWindowWidth = 350;
constexpr int kWindowHeight = 345;
constexpr int kMenuHeight = 20;
constexpr int kMenuLabelSize = 14;
constexpr int kLabelSize = 14;  // the buttons', the month chooser's and the year box's text
// The top row: small clock, the two-line date and the base button.
constexpr int kTopRowY = 22;
constexpr int kTopRowHeight = 40;
constexpr int kClockX = 2;
constexpr int kDatesX = 45;
constexpr int kDatesWidth = 260;
constexpr int kBaseButtonX = 308;
constexpr int kNavRowY = 67;
constexpr int kNavHeight = 24;
constexpr int kArrowWidth = 24;
constexpr int kGridY = 94;
constexpr int kGridHeight = 250;
// The day-count strip starts at the window's bottom edge, so it stays out of
// sight at every size; its counts are kept up to date all the same.
constexpr int kStripY = kWindowHeight;
constexpr int kStripSecondLine = kStripY + 24;
constexpr Fl_Color kHandColor = 37;  // step 5 of the grey ramp

}  // namespace layout
