#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Window.H>

#include <functional>

#include "gui/scaling/scale.h"

// A window whose text grows with it: after the toolkit has placed the
// children, relayout(scale) sets them anew, scale being how much the window
// has grown from its first size (the smaller of the two ways, never below 1,
// so nothing is smaller than at the first size).
class GrowingWindow : public Fl_Window {
 public:
  GrowingWindow(int w, int h, const char* label);
  void resize(int x, int y, int w, int h) override;
  double Scale() const;
  // The window at its first size grown by the screen's scale, before it opens.
  void SizeForScreen();

  std::function<void(double scale)> relayout;

 private:
  const int firstWidth;
  const int firstHeight;
};

// Every widget in group with its text, label and marks at the toolkit's
// usual size grown by scale: for a window whose children the toolkit moves
// and stretches with it.
void GrowText(Fl_Group* group, double scale);
