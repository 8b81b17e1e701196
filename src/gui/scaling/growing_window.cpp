#include "gui/scaling/growing_window.h"

#include "gui/scaling/scale.h"

GrowingWindow::GrowingWindow(int w, int h, const char* label)
    : Fl_Window(w, h, label), firstWidth(w), firstHeight(h) {}

void GrowingWindow::resize(int x, int y, int w, int h) {
  Fl_Window::resize(x, y, w, h);
  if (relayout) relayout(Scale());
}

double GrowingWindow::Scale() const { return GrowthScale(w(), h(), firstWidth, firstHeight); }
