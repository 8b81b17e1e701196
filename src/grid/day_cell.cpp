#include "grid/day_cell.h"

#include <FL/Fl.H>

#include <algorithm>
#include <cstdlib>

#include "fonts/fitting_size.h"

namespace {

// Takes the clicks on a cell and nothing else: no keyboard focus, and with
// no box and no label nothing to draw.
class HitButton : public Fl_Button {
 public:
  HitButton(int x, int y, int w, int h) : Fl_Button(x, y, w, h) {
    box(FL_NO_BOX);
    down_box(FL_NO_BOX);
    clear_visible_focus();
  }
  int handle(int event) override {
    if (event == FL_PUSH) static_cast<DayCell*>(parent())->RecordPress();
    return Fl_Button::handle(event);
  }
};

Fl_Output* MakeDayField(int x, int y, int w, int h) {
  auto* field = new Fl_Output(x, y, w, h);
  field->box(FL_NO_BOX);
  field->textfont(FL_TIMES);
  return field;
}

// Text sizes of the toolkit that drew the first version were 8-bit; a huge
// window keeps the largest size instead of wrapping round to a tiny one.
Fl_Fontsize FontSize(int size) { return std::min(size, 255); }

}  // namespace

DayCell::DayCell(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
  box(FL_BORDER_BOX);
  primary = MakeDayField(x, y, w, h);
  secondary = MakeDayField(x, y, w, h);
  hitButton = new HitButton(x, y, w, h);
  end();
  resize(x, y, w, h);
}

void DayCell::resize(int x, int y, int w, int h) {
  Fl_Group::resize(x, y, w, h);
  const int pw = 3 * w / 5;
  const int ph = 3 * h / 5;
  primary->resize(x, y, w, ph);
  primary->textsize(FontSize(std::min(pw, ph)));
  secondary->resize(x + pw, y + ph, w - pw, h - ph);
  secondary->textsize(FontSize(std::min(w - pw, h - ph)));
  fitted = false;
}

// The sizes above follow the cell's shape; here, where the fonts can be
// measured, each shrinks until the widest two-digit number fits its field.
void DayCell::FitNumbers() {
  for (Fl_Output* field : {primary, secondary}) {
    field->textsize(LargestFittingSize(field->textfont(), kWidestNumber, field->w() - kTextInsets,
                                       field->textsize(), kSmallestSize));
  }
  fitted = true;
}

void DayCell::draw() {
  if (!fitted) FitNumbers();
  Fl_Group::draw();
}

void DayCell::SetClickCallback(Fl_Callback* cb, void* data) {
  clickCallback = cb;
  hitButton->callback(cb_hit, data);
}

void DayCell::SetText(const char* text) { SetTexts(text, ""); }

void DayCell::SetTexts(const char* primaryText, const char* secondaryText) {
  primary->value(primaryText);
  secondary->value(secondaryText);
}

void DayCell::RecordPress() {
  pressedDay = std::atoi(primary->value());
  doubleClick = Fl::event_clicks() != 0;
}

void DayCell::SetTextColor(Fl_Color color) {
  primary->textcolor(color);
  secondary->textcolor(color);
}

void DayCell::SetInSpan(bool inSpan) {
  Fl_Widget* const parts[] = {primary, secondary, hitButton};
  for (Fl_Widget* part : parts) inSpan ? part->activate() : part->deactivate();
}

void DayCell::cb_hit(Fl_Widget* button, void* data) {
  auto* cell = static_cast<DayCell*>(button->parent());
  if (cell->pressedDay == 0 || !cell->clickCallback) return;
  cell->clickCallback(cell, data);
}
