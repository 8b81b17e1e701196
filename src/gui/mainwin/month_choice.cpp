#include "gui/mainwin/month_choice.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <cstdint>

#include "core/calendar/date_names.h"
#include "gui/fonts/ethiopic_face.h"
#include "core/locale/language_names.h"
#include "gui/scaling/scale.h"

namespace {

// Each item carries its month number; the commands go by the item index.
// The items' text is the chooser's, which grows with the window.
// The names are the core's, so the chooser and the date line always agree.
#define MONTH(kind, number) \
  { MonthName(kind, number), 0, nullptr, reinterpret_cast<void*>(std::intptr_t{number}), 0, FL_NORMAL_LABEL, 0, 0, 0 }
#define END_MONTHS \
  { nullptr, 0, nullptr, nullptr, 0, FL_NORMAL_LABEL, 0, 0, 0 }

Fl_Menu_Item gregorian_months[] = {
    MONTH(Gregorian, 1), MONTH(Gregorian, 2),  MONTH(Gregorian, 3),  MONTH(Gregorian, 4),
    MONTH(Gregorian, 5), MONTH(Gregorian, 6),  MONTH(Gregorian, 7),  MONTH(Gregorian, 8),
    MONTH(Gregorian, 9), MONTH(Gregorian, 10), MONTH(Gregorian, 11), MONTH(Gregorian, 12),
    END_MONTHS,
};

Fl_Menu_Item ethiopian_months[] = {
    MONTH(Ethiopian, 1),  MONTH(Ethiopian, 2),  MONTH(Ethiopian, 3),  MONTH(Ethiopian, 4),  MONTH(Ethiopian, 5),
    MONTH(Ethiopian, 6),  MONTH(Ethiopian, 7),  MONTH(Ethiopian, 8),  MONTH(Ethiopian, 9),  MONTH(Ethiopian, 10),
    MONTH(Ethiopian, 11), MONTH(Ethiopian, 12), MONTH(Ethiopian, 13), END_MONTHS,
};

#undef END_MONTHS
#undef MONTH

// The toolkit draws the arrow's box at most this wide; its triangle leaves a
// margin and spans two thirds of the rest.
constexpr int kToolkitArrowWidth = 20;
constexpr int kTriangleMargin = 4;
constexpr int kTriangleParts = 3;
constexpr int kTriangleSlope = (kToolkitArrowWidth - kTriangleMargin) / kTriangleParts;

}  // namespace

MonthChoice::MonthChoice(int x, int y, int w, int h) : Fl_Choice(x, y, w, h), firstHeight(h) { SetKind(kind); }

void MonthChoice::SetKind(CalendarKind k, Language language) {
  kind = k;
  Fl_Menu_Item* months = kind == Gregorian ? gregorian_months : ethiopian_months;
  const Fl_Font font = language == Language::kEnglish ? FL_HELVETICA : EthiopicFont();
  for (int month = 1; months[month - 1].label(); ++month) {
    months[month - 1].label(MonthNameIn(kind, month, {language, false}));
    months[month - 1].labelfont(font);
  }
  textfont(font);
  menu(months);
  redraw();
}

// In a grown window the arrow is drawn anew over the toolkit's, grown as
// the chooser's height has, so it keeps its share of the chooser.
void MonthChoice::draw() {
  Fl_Choice::draw();
  const double grown = GrowthScale(h(), h(), firstHeight, firstHeight);
  const int width = Scaled(kToolkitArrowWidth, grown);
  if (width <= kToolkitArrowWidth) return;
  const int dy = Fl::box_dy(FL_DOWN_BOX);
  const int height = h() - 2 * dy;
  const int boxX = x() + w() - width - Fl::box_dx(FL_DOWN_BOX);
  const int boxY = y() + dy;
  draw_box(FL_UP_BOX, boxX, boxY, width, height, color());
  const int slope = Scaled(kTriangleSlope, grown);
  const int left = boxX + (width - 2 * slope) / 2;
  const int top = boxY + (height - slope) / 2;
  fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
  fl_polygon(left, top, left + slope, top + slope, left + 2 * slope, top);
}
