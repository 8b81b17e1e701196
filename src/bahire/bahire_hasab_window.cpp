#include "bahire/bahire_hasab_window.h"

#include <FL/Fl.H>

#include <string>

#include "calendar/date_pair.h"
#include "calendar/holidays.h"
#include "church/bahire_hasab_figures.h"
#include "locale/translation.h"
#include "pictures/app_icon.h"

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 400;
constexpr int kMargin = 8;
// Key or Ethiopian date, then value or Gregorian date, then the feast's name.
const int kColumns[] = {110, 110, 0};

std::string Numeric(int dayNumber, CalendarKind kind) { return DatePair::OfDay(dayNumber).dates[kind].NumericText(); }

}  // namespace

BahireHasabWindow::BahireHasabWindow(int year) {
  const std::string title = Tr("Bahire Hasab") + (" " + std::to_string(year));
  window = new Fl_Window(kWidth, kHeight);
  window->copy_label(title.c_str());
  window->user_data(this);
  window->callback(cb_close, this);
  lines = new Fl_Browser(kMargin, kMargin, kWidth - 2 * kMargin, kHeight - 2 * kMargin);
  lines->column_widths(kColumns);
  lines->column_char('\t');
  AddFigures(year);
  AddMovableFeasts(year);
  window->resizable(lines);
  SetAppIcon(window);
  window->end();
}

BahireHasabWindow::~BahireHasabWindow() { Fl::delete_widget(window); }

void BahireHasabWindow::AddFigures(int year) {
  for (const Figure& figure : BahireHasabFigures(year)) {
    lines->add((std::string(Tr(figure.key)) + '\t' + figure.value).c_str());
  }
}

void BahireHasabWindow::AddMovableFeasts(int year) {
  lines->add("");
  lines->add((std::string("@b") + Tr("Movable feasts and fasts")).c_str());
  for (const Holiday& feast : MovableFeastsOfEthiopianYear(year)) {
    lines->add((Numeric(feast.dayNumber, Ethiopian) + '\t' + Numeric(feast.dayNumber, Gregorian) + '\t' +
                NameIn(feast, SpokenLanguage()))
                   .c_str());
  }
}

void BahireHasabWindow::Show() { window->show(); }

void BahireHasabWindow::cb_close(Fl_Widget* window, void* data) {
  window->hide();
  delete static_cast<BahireHasabWindow*>(data);
}

void OpenBahireHasabWindow(int ethiopianYear) { (new BahireHasabWindow(ethiopianYear))->Show(); }
