#include "gui/mainwin/calendar_ui.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include <string>

#include "core/calendar/clock_source.h"
#include "core/identity/program_identity.h"
#include "core/locale/translation.h"
#include "gui/clock/clock_window.h"
#include "gui/fonts/ethiopic_face.h"
#include "gui/mainwin/ethiopic_fallback.h"
#include "gui/mainwin/layout.h"
#include "gui/mainwin/main_window.h"
#include "gui/mainwin/settings.h"
#include "gui/pictures/app_icon.h"

using namespace layout;

namespace {
const char kPlaceName[] = "main";  // the window's size and place among the choices
}  // namespace

CalendarUi::CalendarUi()
    : my_days([this] { refresh(); }, [this](int32_t day) { Show(DatePair::OfDay(day)), cb_grid_open_i(nullptr, nullptr); }),
      reminders(PreciseClock().tv_sec) {
  auto* window = new MainWindow(kWindowWidth, kWindowHeight, "Zelmora");
  main_window = window;
  main_window->user_data(this);
  window->mayClose = [this] {
    if (!my_days.Close()) return false;  // the user's windows close with this one
    SavePlace(kPlaceName, *main_window);
    return true;
  };
  ClockWindow::keepPlace = {SavePlace, RestorePlace};
  base_button = new Fl_Button(kBaseButtonX, kTopRowY, kTopRowHeight, kTopRowHeight);
  base_button->tooltip(N_("Change base calendar"));
  base_button->image(image_flag);
  base_button->deimage(image_globe);
  base_button->callback(cb_base_button);
  dates_output = new Fl_Output(kDatesX, kTopRowY, kDatesWidth, kTopRowHeight);
  dates_output->type(FL_MULTILINE_OUTPUT);
  dates_output->labeltype(FL_NO_LABEL);
  dates_output->align(FL_ALIGN_CENTER);
  dates_output->textfont(FL_COURIER);
  BuildNavigationRow();
  RememberNavigationRow();
  BuildGrid();
  window->keyTarget = grid;
  BuildDayCounts();
  window->menuBar = menu_bar = new Fl_Menu_Bar(0, 0, kWindowWidth, kMenuHeight);
  BuildMenu();
  window->menuBar->menu(main_menu.data());
  window->menuBar->textsize(kMenuLabelSize);
  window->relayout = [this](double scale) { LayOut(scale); };
  holidays_item = ItemOf(cb_Holidays);
  fasts_item = ItemOf(cb_Fasting);
  saints_item = ItemOf(cb_Saints);
  amharic_item = ItemOf(cb_Script);
  geez_item = ItemOf(cb_Geez);
  my_days_item = ItemOf(cb_My);
  BuildDayCountKinds();
  BuildMiniClock();
  mini_clock->reader = cb_tick;
  mini_clock->readerData = this;
  SetAppIcon(main_window);
  main_window->end();
  main_window->resizable(grid);  // the rows above keep their height; the grid takes the room
  main_window->size_range(kWindowWidth, kWindowHeight);  // below that nothing is usable
  window->SizeForScreen();
  UseEthiopicTooltips();
}

void CalendarUi::show(int argc, char** argv) {
  FitDateLines();
  set_defaults();
  refresh();
  RestorePlace(kPlaceName, main_window);
  main_window->show(argc, argv);
  my_days.Start();
  grid->take_focus();  // the keys move the day from the start
  ArmMidnight();
}

void CalendarUi::set_defaults() {
  main_window->label(kVersionText);
  date.SetToday();
  today_date = date;
  Settings saved = LoadSettings();
  WithoutEthiopicFace(saved, amharic_item, geez_item);
  base_kind = saved.baseKind;
  show_holidays = saved.holidays;
  show_fasts = saved.fasts;
  show_saints = saved.saints;
  show_my_days = saved.myDays;
  style = {saved.language, saved.geez};
  ShowChecks();
  days_from_date->value(CalendarDate(2007, 6, 19, Gregorian).FormatNumeric());
  days_until_date->value(CalendarDate(2009, 6, 18, Gregorian).FormatNumeric());
}

void CalendarUi::refresh() {
  ShowScript();
  DatePair typed;
  CalendarKind fromKind = Gregorian, untilKind = Gregorian;
  const bool fromCounted = KindFromNumber(days_from_kind->value(), &fromKind) &&
                           typed.Parse(days_from_date->value(), fromKind);
  ShowDayCount(days_from_count, fromCounted, DatePair::DaysBetween(typed, date));
  const bool untilCounted = KindFromNumber(days_until_kind->value(), &untilKind) &&
                            typed.Parse(days_until_date->value(), untilKind);
  ShowDayCount(days_until_count, untilCounted, DatePair::DaysBetween(date, typed));
  month_choice->SetKind(base_kind, style.language);
  month_choice->value(date.Month(base_kind) - 1);
  ShowYear();
  ShowSpanEnds();
  ShowBasePicture();
  mini_clock->hours = base_kind == Ethiopian ? HourSystem::kEthiopian : HourSystem::kWestern;
  grid->holidaysShown = show_holidays;
  grid->fastsShown = show_fasts;
  grid->saintsShown = show_saints;
  grid->userDays = show_my_days ? &my_days.Days() : nullptr;
  grid->todayNumber = today_date.dates[Gregorian].dayNumber;
  grid->ShowMonth(date, base_kind);
  main_window->redraw();
}

// The value alone leaves typed text standing when the number is the same.
void CalendarUi::ShowYear() {
  year_input->value(date.Year(base_kind));
  year_input->input.value(std::to_string(date.Year(base_kind)).c_str());
}

int CalendarUi::input_month() const { return month_choice->value() + 1; }

CalendarUi* CalendarUi::Owner(Fl_Widget* widget) { return static_cast<CalendarUi*>(widget->window()->user_data()); }

