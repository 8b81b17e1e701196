#include "mainwin/month_choice.h"

#include <cstdint>

namespace {

// Each item carries its month number; the commands go by the item index.
#define MONTH(name, number) \
  { name, 0, nullptr, reinterpret_cast<void*>(std::intptr_t{number}), 0, FL_NORMAL_LABEL, 0, 14, 0 }

Fl_Menu_Item gregorian_months[] = {
    MONTH("January", 1), MONTH("February", 2), MONTH("March", 3),     MONTH("April", 4),
    MONTH("May", 5),     MONTH("June", 6),     MONTH("July", 7),      MONTH("August", 8),
    MONTH("September", 9), MONTH("October", 10), MONTH("November", 11), MONTH("December", 12),
    MONTH(nullptr, 0),
};

Fl_Menu_Item ethiopian_months[] = {
    MONTH("Meskerem", 1), MONTH("Tkmt", 2),    MONTH("Hdar", 3),   MONTH("Tahsas", 4), MONTH("Tr", 5),
    MONTH("Yakatit", 6),  MONTH("Megabit", 7), MONTH("Miazya", 8), MONTH("Gnbot", 9),  MONTH("Sene", 10),
    MONTH("Hamle", 11),   MONTH("Nehase", 12), MONTH("Pagume", 13), MONTH(nullptr, 0),
};

#undef MONTH

}  // namespace

MonthChoice::MonthChoice(int x, int y, int w, int h) : Fl_Choice(x, y, w, h) { SetKind(kind); }

void MonthChoice::SetKind(CalendarKind k) {
  kind = k;
  menu(kind == Gregorian ? gregorian_months : ethiopian_months);
  redraw();
}
