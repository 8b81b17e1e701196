// The main window's callbacks: each translates its event into one command,
// and navigation is the calendar core's.
#include <FL/Fl_Widget.H>

#include <string>

#include "gui/about/about_window.h"
#include "gui/bahire/bahire_hasab_window.h"
#include "core/calendar/clock_source.h"
#include "gui/clock/clock_window.h"
#include "gui/dialogs/dialogs.h"
#include "core/locale/translation.h"
#include "gui/mainwin/calendar_ui.h"
#include "gui/mainwin/settings.h"
#include "gui/mainwin/tool_commands.h"

namespace {
const char kYearRangeMessage[] = N_("Input a number between 1604 and 9999");
}  // namespace

void CalendarUi::Show(DatePair moved) {
  date = moved;
  refresh();
  my_days.Follow(date);
  KeysBackToGrid();
}

// The clocks' timer is set before any code runs: its initialiser is constant.
ReckoningClock::Timer CalendarUi::midnightTimer = ReckoningClock::timer;

CalendarUi::~CalendarUi() {
  midnightTimer.cancel(cb_midnight, this);
  delete main_window;
}

void CalendarUi::ArmMidnight() {
  midnightTimer.cancel(cb_midnight, this);
  midnightTimer.arm(SecondsToLocalMidnight(PreciseClock()), cb_midnight, this);
}

// A year typed but not yet entered stays in the box.
void CalendarUi::cb_midnight(void* data) {
  auto* ui = static_cast<CalendarUi*>(data);
  const bool onToday = ui->date.SameDay(ui->today_date);
  const std::string typed = ui->YearTyped() ? ui->year_input->input.value() : "";
  ui->today_date.SetToday();
  if (onToday) ui->date = ui->today_date;
  ui->refresh();
  if (!typed.empty()) ui->year_input->input.value(typed.c_str());
  ui->ArmMidnight();
}

void CalendarUi::toggle_base() {
  base_kind = OtherKind(base_kind);
  SaveChoices();
  refresh();
  KeysBackToGrid();
}

void CalendarUi::SaveChoices() const {
  SaveSettings({base_kind, show_holidays, show_fasts, show_saints, style.language, style.geez, show_my_days});
}

// The typed text is read as a decimal number: the input's own reading takes
// a leading 0 for octal. Its range bounds only dragging. The field showing
// the date's year is nothing typed: a year the buttons reached (below 1604,
// say) must never trap the user in the field as it loses the focus.
void CalendarUi::EnterYear() {
  if (!YearTyped()) return;
  const long typed = ReadEntryYear(year_input->input.value());
  if (!IsEntryYear(typed)) {
    Dialogs::alert(kYearRangeMessage);
    refresh();
    return;
  }
  Show(WithYear(date, base_kind, static_cast<int>(typed)));
}

bool CalendarUi::YearTyped() const { return year_input->input.value() != std::to_string(date.Year(base_kind)); }

// The picked day lands in the month the grid shows once a year typed but not
// entered has counted; the grid then has the keys.
void CalendarUi::PickDay(int day) {
  EnterYear();
  Show(WithDay(date, base_kind, day));
  grid->take_focus();
}

void CalendarUi::ChoicesChanged() {
  ShowChecks();
  SaveChoices();
  refresh();  // the interface's language first
  my_days.Restyle(style);
}

// A click on a button leaves the keys' focus mark on the grid; Tab and Space
// keep it where the keyboard put it.
void CalendarUi::KeysBackToGrid() {
  if (Fl::event() == FL_RELEASE) grid->take_focus();
}

void CalendarUi::cb_base_button_i(Fl_Widget*, void*) { toggle_base(); }
void CalendarUi::cb_last_year_i(Fl_Widget*, void*) { Go(Step::kPrevYear); }
void CalendarUi::cb_last_month_i(Fl_Widget*, void*) { Go(Step::kPrevMonth); }
void CalendarUi::cb_yesterday_i(Fl_Widget*, void*) { Go(Step::kPrevDay); }
void CalendarUi::cb_today_i(Fl_Widget*, void*) { Go(Step::kToday); }
void CalendarUi::cb_month_choice_i(Fl_Widget*, void*) { Show(WithMonth(date, base_kind, input_month())); }
void CalendarUi::cb_year_input_i(Fl_Widget*, void*) { EnterYear(); }
void CalendarUi::cb_year_step_i(Fl_Widget*, void*) { Go(year_input->asked); }
void CalendarUi::cb_tomorrow_i(Fl_Widget*, void*) { Go(Step::kNextDay); }
void CalendarUi::cb_next_month_i(Fl_Widget*, void*) { Go(Step::kNextMonth); }
void CalendarUi::cb_next_year_i(Fl_Widget*, void*) { Go(Step::kNextYear); }
// The day is the one the cell showed when the button went down.
void CalendarUi::cb_grid_i(Fl_Widget*, void* cell) { PickDay(static_cast<DayCell*>(cell)->pressedDay); }
void CalendarUi::cb_grid_key_i(Fl_Widget*, void*) { Go(grid->keyStep); }
void CalendarUi::cb_grid_open_i(Fl_Widget*, void*) { my_days.OpenDay(date, style, main_window); }
void CalendarUi::cb_days_from_date_i(Fl_Widget*, void*) { refresh(); }
void CalendarUi::cb_days_until_date_i(Fl_Widget*, void*) { refresh(); }
void CalendarUi::cb_mini_clock_i(Fl_Widget*, void*) { OpenClockWindow(style); }
void CalendarUi::cb_clock_button_i(Fl_Widget*, void*) { OpenClockWindow(style); }
void CalendarUi::cb_Exit_i(Fl_Widget*, void*) { main_window->do_callback(); }
void CalendarUi::cb_Quit_i(Fl_Widget*, void*) { CloseEveryWindow(); }
void CalendarUi::cb_Clock_i(Fl_Widget*, void*) { OpenClockWindow(style); }
void CalendarUi::cb_Output_i(Fl_Widget*, void*) {
  OutputHtml(date, base_kind, {show_holidays, show_fasts, show_saints, show_my_days ? &my_days.Days() : nullptr, style.geez});
}
void CalendarUi::cb_Holidays_i(Fl_Widget*, void*) {
  show_holidays = !show_holidays;
  ChoicesChanged();
}
void CalendarUi::cb_Fasting_i(Fl_Widget*, void*) {
  show_fasts = !show_fasts;
  ChoicesChanged();
}
void CalendarUi::cb_Saints_i(Fl_Widget*, void*) {
  show_saints = !show_saints;
  ChoicesChanged();
}
void CalendarUi::cb_Script_i(Fl_Widget*, void*) {
  style.language = style.language == Language::kAmharic ? Language::kEnglish : Language::kAmharic;
  ChoicesChanged();
}
void CalendarUi::cb_Geez_i(Fl_Widget*, void*) {
  style.geez = !style.geez;
  ChoicesChanged();
}
void CalendarUi::cb_My_i(Fl_Widget*, void*) {
  show_my_days = !show_my_days;
  ChoicesChanged();
}
void CalendarUi::cb_All_i(Fl_Widget*, void*) { my_days.OpenList(today_date.dates[Gregorian].dayNumber, style, main_window); }
// The reckoning of the Ethiopian year shown.
void CalendarUi::cb_Bahire_i(Fl_Widget*, void*) { OpenBahireHasabWindow(date.Year(Ethiopian), style); }
// The holidays of the year shown, in the base calendar, and its fasts while they are shown.
void CalendarUi::cb_Export_i(Fl_Widget*, void*) {
  ExportHolidays({date.Year(base_kind), base_kind, show_fasts, show_my_days ? &my_days.Days() : nullptr, language_shown});
}
void CalendarUi::Remind(bool RemindSettings::*which) {
  reminders.Toggle(which);
  ShowChecks();  // as saved, or as it was when it could not be
}
// A reminder fell due or the terminal changed the settings: the checks, and
// the tooltips' next reminders, shown again.
void CalendarUi::cb_tick(const ReckoningClock*, void* data) {
  CalendarUi& ui = *static_cast<CalendarUi*>(data);
  if (!ui.reminders.Tick(PreciseClock().tv_sec, ui.my_days.Days(), ui.style)) return;
  ui.ShowChecks();
  ui.refresh();
}
void CalendarUi::cb_Help_i(Fl_Widget*, void*) { OpenHelpContents(); }
void CalendarUi::cb_Website_i(Fl_Widget*, void*) { OpenWebsite(); }
void CalendarUi::cb_About_i(Fl_Widget*, void*) { OpenAboutWindow(); }
