#include "gui/grid/day_cell.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>

#include "gui/fonts/ethiopic_face.h"
#include "gui/fonts/fitting_size.h"
#include "core/numerals/geez_numerals.h"

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
// measured, each shrinks until the widest number fits its field, but not
// below the size at which it can be read. Where that does not fit (Ge'ez
// numerals in a small cell's corner), the field grows from its corner of
// the cell, into the room the other number leaves free.
void DayCell::FitNumbers() {
  for (Fl_Output* field : {primary, secondary}) {
    const bool fromBottomRight = field == secondary;
    const std::string& widest = WidestNumber(field->textfont());
    const Fl_Fontsize readable = ReadableSize(field->textfont());
    field->textsize(std::max(readable, LargestFittingSize(field->textfont(), widest.c_str(), field->w() - kTextInsets,
                                                          field->textsize(), readable)));
    fl_font(field->textfont(), field->textsize());
    const int wide = std::min(static_cast<int>(std::ceil(fl_width(widest.c_str()))) + kTextInsets, w());
    const int tall = std::min(fl_height(), h());
    if (wide > field->w() || tall > field->h()) {
      const int fieldW = std::max(wide, field->w()), fieldH = std::max(tall, field->h());
      field->resize(fromBottomRight ? x() + w() - fieldW : x(), fromBottomRight ? y() + h() - fieldH : y(), fieldW,
                    fieldH);
    }
  }
  fitted = true;
}

// Of the widest number and of each digit, which a field in the Ethiopic
// face shows too: a face's old-style 1 and 0 are shorter than its 3.
Fl_Fontsize DayCell::ReadableSize(Fl_Font font) {
  constexpr Fl_Fontsize kLargest = 48;
  const auto inkHeight = [](const std::string& text) {
    int dx = 0, dy = 0, inkW = 0, inkH = 0;
    fl_text_extents(text.c_str(), dx, dy, inkW, inkH);
    return inkH;
  };
  Fl_Fontsize size = kSmallestInk;
  for (; size < kLargest; ++size) {
    fl_font(font, size);
    int shortest = inkHeight(WidestNumber(font));
    for (char digit = '0'; digit <= '9'; ++digit) shortest = std::min(shortest, inkHeight(std::string(1, digit)));
    if (shortest > kSmallestInk) break;  // a pixel to spare for the edges' shading
  }
  return size;
}

const std::string& DayCell::WidestNumber(Fl_Font font) {
  static const std::string digits = kWidestNumber;
  if (font != EthiopicFont()) return digits;
  // Measured once Ge'ez numerals are first drawn: with Latin digits the Ethiopic face is never opened.
  static const std::string geez = [] {
    constexpr int kLastDay = 31;
    std::string widest;
    fl_font(EthiopicFont(), kSmallestInk);
    for (int day = 1; day <= kLastDay; ++day) {
      for (const std::string& number : {GeezNumeral(day), std::to_string(day)}) {
        if (fl_width(number.c_str()) > fl_width(widest.c_str())) widest = number;
      }
    }
    return widest;
  }();
  return geez;
}

void DayCell::draw() {
  if (!fitted) FitNumbers();
  Fl_Group::draw();
}

void DayCell::SetClickCallback(Fl_Callback* cb, void* data) {
  clickCallback = cb;
  hitButton->callback(cb_hit, data);
}

void DayCell::Clear() { ShowDay(0, "", ""); }

void DayCell::ShowDay(int shownDay, const char* primaryText, const char* secondaryText) {
  day = shownDay;
  primary->value(primaryText);
  secondary->value(secondaryText);
}

void DayCell::RecordPress() {
  pressedDay = day;
  doubleClick = Fl::event_clicks() != 0;
}

void DayCell::SetFont(Fl_Font font) {
  if (primary->textfont() == font && secondary->textfont() == font) return;
  primary->textfont(font);
  secondary->textfont(font);
  resize(x(), y(), w(), h());
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
