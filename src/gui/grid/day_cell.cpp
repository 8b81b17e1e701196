#include "gui/grid/day_cell.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <map>

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

// How tall text's ink is in the font set.
int InkHeightOf(const std::string& text) {
  int dx = 0, dy = 0, inkW = 0, inkH = 0;
  fl_text_extents(text.c_str(), dx, dy, inkW, inkH);
  return inkH;
}

// The shortest ink, at size, of the widest number, and of each digit in a
// face that shows digits: a face's old-style 1 and 0 are shorter than its 3.
int ShortestInk(Fl_Font font, Fl_Fontsize size, const std::string& widest) {
  UseFont(font, size);
  int shortest = InkHeightOf(widest);
  for (char digit = '0'; digit <= '9' && font != EthiopicFont(); ++digit) {
    shortest = std::min(shortest, InkHeightOf(std::string(1, digit)));
  }
  return shortest;
}

constexpr int kInkGap = 3;  // pixels between the two numbers' widest inks

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
// measured, the other calendar's day takes its corner first, as large as
// fits it but not below the size at which it can be read: where that does
// not fit (Ge'ez numerals in a small cell's corner), its field grows from
// the corner. The base calendar's day then takes the largest size whose ink
// stays clear of the corner's ink (a face's line is taller than its
// numerals), the whole cell wide; and it is the larger: the corner's day
// shrinks below it, as far as it can be read.
void DayCell::FitNumbers() {
  const Fl_Fontsize cornerReadable = ReadableSize(secondary->textfont());
  const Fl_Fontsize baseReadable = ReadableSize(primary->textfont());
  Fl_Fontsize corner = FittingSize(secondary, secondary->w(), secondary->h(), secondary->textsize(), cornerReadable);
  PlaceInCorner(corner);
  Fl_Fontsize base = BaseSize(primary->textsize(), baseReadable);
  if (InkHeight(primary, base) <= InkHeight(secondary, corner) && corner > cornerReadable) {
    PlaceInCorner(corner = std::max(cornerReadable, corner - (InkHeight(secondary, corner) - InkHeight(primary, base)) - 1));
    base = BaseSize(primary->textsize(), baseReadable);
  }
  primary->textsize(base);
  UseFont(primary->textfont(), base);
  primary->resize(x(), y(), w(), std::min(fl_height(), h()));
  fitted = true;
}

// Where the widest number's ink lies, drawn at size in a field of height
// fieldH at fieldY: a field centres its line, and its text sits on the line's baseline.
DayCell::Ink DayCell::InkOf(Fl_Font font, Fl_Fontsize size, int fieldY, int fieldH) {
  UseFont(font, size);
  int dx = 0, dy = 0, inkW = 0, inkH = 0;
  fl_text_extents(WidestNumber(font).c_str(), dx, dy, inkW, inkH);
  const int baseline = fieldY + (fieldH - fl_height()) / 2 + fl_height() - fl_descent();
  return {baseline + dy, baseline + dy + inkH};
}

// The largest size from `largest` down to `smallest` at which the base
// day's number fits the cell's width and its ink ends above the corner's,
// with room for a numeral whose ink reaches past the widest one's.
Fl_Fontsize DayCell::BaseSize(Fl_Fontsize largest, Fl_Fontsize smallest) const {
  const Fl_Font font = primary->textfont();
  const int cornerTop = InkOf(secondary->textfont(), secondary->textsize(), secondary->y(), secondary->h()).top;
  Fl_Fontsize size = LargestFittingSize(font, WidestNumber(font).c_str(), w() - kTextInsets, largest, smallest);
  for (; size > smallest; --size) {
    UseFont(font, size);
    const int lineH = std::min(fl_height(), h());
    if (InkOf(font, size, y(), lineH).bottom + kInkGap <= cornerTop) break;
  }
  return size;
}

// How tall the widest number's ink is in the field's face at size.
int DayCell::InkHeight(const Fl_Output* field, Fl_Fontsize size) {
  const Ink ink = InkOf(field->textfont(), size, 0, 0);
  return ink.bottom - ink.top;
}

// The corner's field at size, grown from the corner as far as it needs.
void DayCell::PlaceInCorner(Fl_Fontsize size) {
  secondary->textsize(size);
  UseFont(secondary->textfont(), size);
  const int wide = std::min(static_cast<int>(std::ceil(fl_width(WidestNumber(secondary->textfont()).c_str()))) + kTextInsets, w());
  const int tall = std::min(fl_height(), h());
  const int fieldW = std::max(wide, secondary->w()), fieldH = std::max(tall, secondary->h());
  secondary->resize(x() + w() - fieldW, y() + h() - fieldH, fieldW, fieldH);
}

// The largest size, from `largest` down to `smallest`, at which the widest
// number fits width and its line fits height.
Fl_Fontsize DayCell::FittingSize(const Fl_Output* field, int width, int height, Fl_Fontsize largest, Fl_Fontsize smallest) {
  const Fl_Font font = field->textfont();
  Fl_Fontsize size = LargestFittingSize(font, WidestNumber(font).c_str(), width - kTextInsets, largest, smallest);
  for (; size > smallest; --size) {
    UseFont(font, size);
    if (fl_height() <= height) break;
  }
  return std::max(size, smallest);
}

// Found once for each face, as every cell asks. A numeral's ink grows no
// shorter with its size, so the search starts where the ink at the largest
// size already open, scaled, says the answer lies, and opens only the sizes
// round it.
Fl_Fontsize DayCell::ReadableSize(Fl_Font font) {
  static std::map<Fl_Font, Fl_Fontsize> found;
  if (const auto known = found.find(font); known != found.end()) return known->second;
  constexpr Fl_Fontsize kLargest = 48;
  constexpr int kReadableInk = kSmallestInk + 1;  // a pixel to spare for the edges' shading
  const std::string& widest = WidestNumber(font);  // before measuring: it may set a font of its own
  const std::vector<Fl_Fontsize> open = OpenSizes(font);
  const Fl_Fontsize reference = open.empty() ? 0 : open.back();
  Fl_Fontsize estimate = kSmallestInk;
  if (const int ink = reference < kSmallestInk ? 0 : ShortestInk(font, reference, widest); ink > 0) {
    estimate = (kReadableInk * reference + ink / 2) / ink;
  }
  const auto readable = [&](Fl_Fontsize size) { return ShortestInk(font, size, widest) >= kReadableInk; };
  return found[font] = SmallestSizeWhere(readable, estimate, kSmallestInk, kLargest);
}

const std::string& DayCell::WidestNumber(Fl_Font font) {
  static const std::string digits = kWidestNumber;
  if (font != EthiopicFont()) return digits;
  // Measured once Ge'ez numerals are first drawn: with Latin digits the Ethiopic face is never opened.
  static const std::string geez = [] {
    constexpr int kLastDay = 31;
    std::string widest;
    UseFont(EthiopicFont(), kSmallestInk);
    for (int day = 1; day <= kLastDay; ++day) {
      if (fl_width(GeezNumeral(day).c_str()) > fl_width(widest.c_str())) widest = GeezNumeral(day);
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

void DayCell::SetFonts(Fl_Font primaryFont, Fl_Font secondaryFont) {
  if (primary->textfont() == primaryFont && secondary->textfont() == secondaryFont) return;
  primary->textfont(primaryFont);
  secondary->textfont(secondaryFont);
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
