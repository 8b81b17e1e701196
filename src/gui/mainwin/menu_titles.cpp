#include "gui/mainwin/menu_titles.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>  // the label

#include "gui/mainwin/layout.h"
#include "gui/scaling/scale.h"

namespace {

// The toolkit's fixed gaps: after each title's text on the menu bar, and
// the part of the gap before an item's key that does not grow with the text.
constexpr int kTitleGap = 16;
constexpr int kKeyGap = 2;

Fl_Label Plain(const Fl_Label* label) {
  Fl_Label plain = *label;
  plain.type = FL_NORMAL_LABEL;
  return plain;
}

void DrawPlain(const Fl_Label* label, int x, int y, int w, int h, Fl_Align align) { Plain(label).draw(x, y, w, h, align); }

// At the first text size the gap is the toolkit's alone.
template <int kGap>
void MeasureSpaced(const Fl_Label* label, int& w, int& h) {
  Plain(label).measure(w, h);
  const double grown = GrowthScale(label->size, label->size, layout::kMenuLabelSize, layout::kMenuLabelSize);
  w += Scaled(kGap, grown) - kGap;
}

Fl_Labeltype Registered(Fl_Labeltype type, Fl_Label_Measure_F* measure) {
  Fl::set_labeltype(type, DrawPlain, measure);
  return type;
}

}  // namespace

Fl_Labeltype MenuTitleLabel() {
  static const Fl_Labeltype type = Registered(FL_FREE_LABELTYPE, MeasureSpaced<kTitleGap>);
  return type;
}

Fl_Labeltype MenuKeyItemLabel() {
  // The toolkit numbers the label types it leaves free from FL_FREE_LABELTYPE.
  static const Fl_Labeltype type = Registered(static_cast<Fl_Labeltype>(FL_FREE_LABELTYPE + 1), MeasureSpaced<kKeyGap>);
  return type;
}
