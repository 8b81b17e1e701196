#include "gui/mainwin/month_choice.h"

#include <cstdint>

#include "core/calendar/date_names.h"
#include "gui/fonts/ethiopic_face.h"
#include "core/locale/language_names.h"

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

}  // namespace

MonthChoice::MonthChoice(int x, int y, int w, int h) : Fl_Choice(x, y, w, h) { SetKind(kind); }

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
