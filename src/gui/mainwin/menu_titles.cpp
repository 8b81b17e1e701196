#include "gui/mainwin/menu_titles.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>  // the label

#include "gui/mainwin/layout.h"
#include "gui/scaling/scale.h"

namespace {

constexpr int kToolkitTitleGap = 16;  // what the menu bar puts after each title's text
constexpr Fl_Labeltype kTitleLabel = FL_FREE_LABELTYPE;

Fl_Label Plain(const Fl_Label* label) {
  Fl_Label plain = *label;
  plain.type = FL_NORMAL_LABEL;
  return plain;
}

void DrawTitle(const Fl_Label* label, int x, int y, int w, int h, Fl_Align align) { Plain(label).draw(x, y, w, h, align); }

// At the first text size the gap is the toolkit's alone.
void MeasureTitle(const Fl_Label* label, int& w, int& h) {
  Plain(label).measure(w, h);
  const double grown = GrowthScale(label->size, label->size, layout::kMenuLabelSize, layout::kMenuLabelSize);
  w += Scaled(kToolkitTitleGap, grown) - kToolkitTitleGap;
}

}  // namespace

Fl_Labeltype MenuTitleLabel() {
  [[maybe_unused]] static const bool set = (Fl::set_labeltype(kTitleLabel, DrawTitle, MeasureTitle), true);
  return kTitleLabel;
}
