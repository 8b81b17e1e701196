#include "gui/scaling/growing_window.h"

#include <FL/Fl_Browser_.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Menu_.H>

#include "gui/scaling/scale.h"
#include "gui/scaling/screen_scale.h"

GrowingWindow::GrowingWindow(int w, int h, const char* label)
    : Fl_Window(w, h, label), firstWidth(w), firstHeight(h) {}

void GrowingWindow::resize(int x, int y, int w, int h) {
  Fl_Window::resize(x, y, w, h);
  if (relayout) relayout(Scale());
}

double GrowingWindow::Scale() const { return GrowthScale(w(), h(), firstWidth, firstHeight); }

void GrowingWindow::SizeForScreen() {
  const double scale = ScreenScale();
  size(Scaled(firstWidth, scale), Scaled(firstHeight, scale));
}

void GrowText(Fl_Group* group, double scale) {
  static const Fl_Fontsize usual = FL_NORMAL_SIZE;  // as the program started
  const Fl_Fontsize size = Scaled(usual, scale);
  for (int i = 0; i < group->children(); ++i) {
    Fl_Widget* child = group->child(i);
    child->labelsize(size);
    if (auto* input = dynamic_cast<Fl_Input_*>(child)) input->textsize(size);
    if (auto* browser = dynamic_cast<Fl_Browser_*>(child)) browser->textsize(size);
    if (auto* menu = dynamic_cast<Fl_Menu_*>(child)) menu->textsize(size);
  }
  group->redraw();
}
