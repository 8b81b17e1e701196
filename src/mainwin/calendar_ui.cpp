#include "mainwin/calendar_ui.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_ask.H>

#include <algorithm>
#include <cctype>
#include <string>

#include "about/about_window.h"
#include "clock/clock_window.h"
#include "export/holiday_export.h"
#include "export/page_output.h"
#include "identity/program_identity.h"
#include "mainwin/main_window.h"
#include "mainwin/settings.h"
#include "pictures/app_icon.h"
#include "pictures/images.h"

namespace {

constexpr int kWindowWidth = 350;
constexpr int kWindowHeight = 345;
constexpr int kMenuHeight = 20;
// The top row: small clock, the two-line date and the base button.
constexpr int kTopRowY = 22;
constexpr int kTopRowHeight = 40;
constexpr int kNavRowY = 67;
constexpr int kNavHeight = 24;
constexpr int kArrowWidth = 24;
constexpr int kGridY = 94;
constexpr int kGridHeight = 250;
// The day-count strip starts at the window's bottom edge, so it stays out of
// sight at every size; its counts are kept up to date all the same.
constexpr int kStripY = kWindowHeight;
constexpr int kStripSecondLine = kStripY + 24;
constexpr Fl_Color kHandColor = 37;  // step 5 of the grey ramp
constexpr int kMenuLabelSize = 14;
const char kYearRangeMessage[] = "Input a number between 1604 and 9999";
constexpr int kDaysInWeek = 7;
constexpr int kLastTwelfthMonth = 12;

// A year as typed: decimal digits, perhaps after a '+'; -1 for anything else.
// Long runs of digits stay just above any year, so they are refused too.
long TypedYear(const char* text) {
  constexpr long kAboveAnyYear = 100000;
  if (*text == '+') ++text;
  if (*text == '\0') return -1;
  long year = 0;
  for (; *text; ++text) {
    if (!std::isdigit(static_cast<unsigned char>(*text))) return -1;
    year = std::min(year * 10 + (*text - '0'), kAboveAnyYear);
  }
  return year;
}

// Holiday tooltips carry Amharic names; the toolkit draws a tooltip in one
// face, so it needs one with Ethiopic letters beside the Latin ones.
constexpr Fl_Font kTooltipFont = FL_FREE_FONT;
const char kEthiopicFace[] = " Abyssinica SIL";  // the blank: regular style

void ShowAlert(const char* message) { fl_alert("%s", message); }

std::string ChooseFile(const char* suggested) {
  Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
  chooser.title("Export holidays");
  chooser.filter("iCalendar\t*.ics");
  chooser.preset_file(suggested);
  chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM | Fl_Native_File_Chooser::NEW_FOLDER);
  const int result = chooser.show();
  if (result < 0) CalendarUi::alert(chooser.errmsg());
  return result == 0 ? chooser.filename() : "";
}

Fl_Button* MakeButton(int x, int width, const char* label, const char* tip, Fl_Callback* cb) {
  auto* button = new Fl_Button(x, kNavRowY, width, kNavHeight, label);
  button->tooltip(tip);
  button->callback(cb);
  return button;
}

Fl_Value_Output* MakeCount(int y, int h) {
  auto* count = new Fl_Value_Output(0, y, 65, h);
  count->labeltype(FL_NO_LABEL);
  count->align(FL_ALIGN_CENTER);
  return count;
}

Fl_Input* MakeDateText(int y, int h, const char* label, Fl_Callback* cb) {
  auto* text = new Fl_Input(130, y, 110, h, label);
  text->callback(cb);
  text->clear_visible_focus();  // out of sight, so out of the focus order
  return text;
}

Fl_Choice* MakeKindChoice(int y, int h, Fl_Labeltype labeltype, Fl_Menu_Item* menu) {
  auto* choice = new Fl_Choice(239, y, 111, h);
  choice->down_box(FL_BORDER_BOX);
  choice->labeltype(labeltype);
  choice->menu(menu);
  choice->clear_visible_focus();  // out of sight, so out of the focus order
  return choice;
}

}  // namespace

void (*CalendarUi::alert)(const char* message) = ShowAlert;
std::string (*CalendarUi::choose_file)(const char* suggested) = ChooseFile;

#define ITEM(text, cb, flags) \
  { text, 0, cb, nullptr, flags, FL_NORMAL_LABEL, 0, kMenuLabelSize, 0 }
#define END_MENU ITEM(nullptr, nullptr, 0)

// File and Goto are kept but never offered.
Fl_Menu_Item CalendarUi::main_menu[] = {
    ITEM("File", nullptr, FL_SUBMENU | FL_MENU_INVISIBLE | FL_MENU_INACTIVE),
    ITEM("Import Holiday", nullptr, 0),
    ITEM("Save Option", nullptr, 0),
    ITEM("Load Option", nullptr, 0),
    ITEM("Exit", cb_Exit, 0),
    END_MENU,
    ITEM("Goto", nullptr, FL_SUBMENU | FL_MENU_INVISIBLE | FL_MENU_INACTIVE),
    ITEM("Today", nullptr, FL_MENU_INACTIVE),
    END_MENU,
    ITEM("Tool", nullptr, FL_SUBMENU),
    ITEM("Clock", cb_Clock, 0),
    ITEM("Output html", cb_Output, 0),
    ITEM("Holidays", cb_Holidays, FL_MENU_TOGGLE | FL_MENU_VALUE),
    ITEM("Export holidays\u2026", cb_Export, 0),
    END_MENU,
    ITEM("Help", nullptr, FL_SUBMENU),
    ITEM("Help Contents", cb_Help, 0),
    ITEM("Website", cb_Website, 0),
    ITEM("About", cb_About, 0),
    END_MENU,
    END_MENU,
};

// Index 0 reads the typed date as Gregorian, index 1 as Ethiopian.
Fl_Menu_Item CalendarUi::days_from_kind_menu[] = {
    ITEM("Gregorian", nullptr, 0), ITEM("Ethiopian", nullptr, 0), END_MENU};
Fl_Menu_Item CalendarUi::days_until_kind_menu[] = {
    ITEM("Gregorian", nullptr, 0), ITEM("Ethiopian", nullptr, 0), END_MENU};

#undef ITEM
#undef END_MENU

CalendarUi::CalendarUi() {
  auto* window = new MainWindow(kWindowWidth, kWindowHeight, "Zelmora");
  main_window = window;
  main_window->user_data(this);
  base_button = new Fl_Button(308, kTopRowY, kTopRowHeight, kTopRowHeight);
  base_button->tooltip("Change base calendar");
  base_button->image(image_flag);
  base_button->deimage(image_globe);
  base_button->callback(cb_base_button);
  dates_output = new Fl_Output(45, kTopRowY, 260, kTopRowHeight);
  dates_output->type(FL_MULTILINE_OUTPUT);
  dates_output->labeltype(FL_NO_LABEL);
  dates_output->align(FL_ALIGN_CENTER);
  BuildNavigationRow();
  grid = new MonthGrid(0, kGridY, kWindowWidth, kGridHeight);
  grid->box(FL_NO_BOX);
  grid->color(FL_GRAY);
  grid->selection_color(FL_GRAY);
  grid->labeltype(FL_NO_LABEL);
  grid->SetDayCallback(cb_grid);
  grid->align(FL_ALIGN_CENTER);
  grid->when(FL_WHEN_RELEASE);
  grid->callback(cb_grid_key);
  BuildDayCounts();
  window->menuBar = new Fl_Menu_Bar(0, 0, kWindowWidth, kMenuHeight);
  window->menuBar->menu(main_menu);
  holidays_item = &main_menu[window->menuBar->find_index(cb_Holidays)];
  BuildDayCountKinds();
  BuildMiniClock();
  SetAppIcon(main_window);
  main_window->end();
  main_window->resizable(main_window);
  main_window->size_range(kWindowWidth, kWindowHeight);  // below that nothing is usable
  Fl::set_font(kTooltipFont, kEthiopicFace);
  Fl_Tooltip::font(kTooltipFont);
}

void CalendarUi::BuildNavigationRow() {
  last_year = MakeButton(0, kArrowWidth, "@<<", "Last year", cb_last_year);
  last_month = MakeButton(24, kArrowWidth, "@<", "Last month", cb_last_month);
  yesterday = MakeButton(48, kArrowWidth, "-", "Yesterday", cb_yesterday);
  today = MakeButton(72, 50, "Today", "Go to today", cb_today);
  month_choice = new MonthChoice(120, kNavRowY, 108, kNavHeight);
  month_choice->tooltip("month");
  month_choice->box(FL_FLAT_BOX);
  month_choice->down_box(FL_BORDER_BOX);
  month_choice->color(FL_GRAY);
  month_choice->selection_color(FL_SELECTION_COLOR);
  month_choice->labeltype(FL_NO_LABEL);
  month_choice->align(FL_ALIGN_CENTER);
  month_choice->when(FL_WHEN_RELEASE);
  month_choice->callback(cb_month_choice);
  year_input = new Fl_Value_Input(227, kNavRowY, 50, kNavHeight);
  year_input->labeltype(FL_NO_LABEL);
  year_input->minimum(1604);
  year_input->maximum(9999);
  year_input->step(1);
  year_input->align(FL_ALIGN_CENTER);
  // Also when the number is unchanged: "+2001" or "0x7d1" must still be read
  // (and refused or rewritten) as typed.
  year_input->when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
  year_input->callback(cb_year_input);
  tomorrow = MakeButton(278, kArrowWidth, "+", "Tomorrow", cb_tomorrow);
  next_month = MakeButton(302, kArrowWidth, "@>", "Next month", cb_next_month);
  next_year = MakeButton(326, kArrowWidth, "@>>", "Next year", cb_next_year);
}

// The strip reads as two sentences: count, "days from", date text, calendar;
// and the same for "days until". The calendar choices come after the menu bar
// among the window's children, which keeps the keyboard focus order.
void CalendarUi::BuildDayCounts() {
  days_from_count = MakeCount(kStripY, 24);
  days_until_count = MakeCount(kStripSecondLine, 23);
  days_from_date = MakeDateText(kStripY, 24, "days from", cb_days_from_date);
  days_until_date = MakeDateText(kStripSecondLine, 23, "days until", cb_days_until_date);
}

void CalendarUi::BuildDayCountKinds() {
  days_from_kind = MakeKindChoice(kStripY, 25, FL_NO_LABEL, days_from_kind_menu);
  days_until_kind = MakeKindChoice(kStripSecondLine, 23, FL_EMBOSSED_LABEL, days_until_kind_menu);
}

void CalendarUi::BuildMiniClock() {
  auto* group = new Fl_Group(2, kTopRowY, kTopRowHeight, kTopRowHeight);
  mini_clock = new ReckoningClock(2, kTopRowY, kTopRowHeight, kTopRowHeight);
  mini_clock->box(FL_UP_BOX);
  mini_clock->color(FL_GRAY);
  mini_clock->selection_color(kHandColor);
  mini_clock->labeltype(FL_NORMAL_LABEL);
  mini_clock->labelfont(0);
  mini_clock->labelsize(14);
  mini_clock->labelcolor(0);
  mini_clock->callback(cb_mini_clock);
  mini_clock->align(FL_ALIGN_BOTTOM);
  mini_clock->when(FL_WHEN_RELEASE);
  auto* button = new Fl_Button(2, kTopRowY, kTopRowHeight, kTopRowHeight);
  button->box(FL_NO_BOX);
  button->callback(cb_clock_button);
  group->end();
}

void CalendarUi::show(int argc, char** argv) {
  set_defaults();
  refresh();
  main_window->show(argc, argv);
}

void CalendarUi::set_defaults() {
  main_window->label(kVersionText);
  date.SetToday();
  const Settings saved = LoadSettings();
  base_kind = saved.baseKind;
  show_holidays = saved.holidays;
  if (show_holidays) {
    holidays_item->set();
  } else {
    holidays_item->clear();
  }
  days_from_date->value(CalendarDate(2007, 6, 19, Gregorian).FormatNumeric());
  days_until_date->value(CalendarDate(2009, 6, 18, Gregorian).FormatNumeric());
}

void CalendarUi::refresh() {
  dates_output->value(date.Format());
  DatePair typed;
  const bool fromCounted = typed.Parse(days_from_date->value(), days_from_kind->value());
  ShowDayCount(days_from_count, fromCounted, DatePair::DaysBetween(typed, date));
  const bool untilCounted = typed.Parse(days_until_date->value(), days_until_kind->value());
  ShowDayCount(days_until_count, untilCounted, DatePair::DaysBetween(date, typed));
  month_choice->SetKind(base_kind);
  month_choice->value(date.Month(base_kind) - 1);
  ShowYear();
  base_button->image(base_kind == Gregorian ? &image_globe : &image_flag);
  mini_clock->ethiopian = base_kind == Ethiopian;
  grid->holidaysShown = show_holidays;
  grid->ShowMonth(date, base_kind);
  main_window->redraw();
}

// The value alone leaves typed text standing when the number is the same.
void CalendarUi::ShowYear() {
  year_input->value(date.Year(base_kind));
  year_input->input.value(std::to_string(date.Year(base_kind)).c_str());
}

// Text that names no day shows no number: the count greys out at 0.
void CalendarUi::ShowDayCount(Fl_Value_Output* count, bool counted, int days) {
  if (counted) {
    count->activate();
    count->value(days);
  } else {
    count->deactivate();
    count->value(0);
  }
}

void CalendarUi::toggle_base() {
  base_kind ^= 1;
  SaveChoices();
  refresh();
}

void CalendarUi::SaveChoices() const { SaveSettings({base_kind, show_holidays}); }

int CalendarUi::input_month() const { return month_choice->value() + 1; }

CalendarUi* CalendarUi::Owner(Fl_Widget* widget) { return static_cast<CalendarUi*>(widget->window()->user_data()); }

template <class Step>
void CalendarUi::Move(Step step) {
  DatePair moved = date;
  step(moved, base_kind);
  if (moved.InSpan()) date = moved;
  refresh();
}

bool CalendarUi::YearBelowMaximum() const { return date.Year(base_kind) < year_input->maximum(); }

void CalendarUi::cb_base_button_i(Fl_Widget*, void*) { toggle_base(); }

void CalendarUi::cb_last_year_i(Fl_Widget*, void*) {
  Move([](DatePair& d, CalendarKind base) { d.PrevYear(base); });
}

void CalendarUi::cb_last_month_i(Fl_Widget*, void*) {
  Move([](DatePair& d, CalendarKind base) { d.PrevMonth(base); });
}

void CalendarUi::cb_yesterday_i(Fl_Widget*, void*) {
  Move([](DatePair& d, CalendarKind) { d.PrevDay(); });
}

void CalendarUi::cb_today_i(Fl_Widget*, void*) {
  Move([](DatePair& d, CalendarKind) { d.SetToday(); });
}

void CalendarUi::cb_month_choice_i(Fl_Widget*, void*) {
  Move([month = input_month()](DatePair& d, CalendarKind base) { d.SetMonth(base, month); });
}

// The typed text is read here, as a decimal number: the input's own reading
// takes a leading 0 for octal. Its range bounds only dragging.
void CalendarUi::cb_year_input_i(Fl_Widget*, void*) {
  const long typed = TypedYear(year_input->input.value());
  if (typed < year_input->minimum() || typed > year_input->maximum()) {
    alert(kYearRangeMessage);
    refresh();
    return;
  }
  Move([typed](DatePair& d, CalendarKind base) { d.SetYear(base, static_cast<int>(typed)); });
}

// A year typed but not entered counts before a click elsewhere acts.
void CalendarUi::CommitYearEntry() {
  if (year_input->input.value() != std::to_string(date.Year(base_kind))) cb_year_input_i(year_input, nullptr);
}

void CalendarUi::cb_tomorrow_i(Fl_Widget*, void*) {
  Move([](DatePair& d, CalendarKind) { d.NextDay(); });
}

// At 9999 the month step stops on the thirteenth month, which only the
// Ethiopian base has.
void CalendarUi::cb_next_month_i(Fl_Widget*, void*) {
  const bool atMaximum = date.Year(base_kind) == year_input->maximum();
  if (!YearBelowMaximum() && !(atMaximum && date.Month(base_kind) <= kLastTwelfthMonth)) return;
  Move([](DatePair& d, CalendarKind base) { d.NextMonth(base); });
}

void CalendarUi::cb_next_year_i(Fl_Widget*, void*) {
  if (!YearBelowMaximum()) return;
  Move([](DatePair& d, CalendarKind base) { d.NextYear(base); });
}

// The picked day is the one the cell showed when pressed; it lands in the
// month the grid shows once a pending year entry has counted, cut back to
// that month's length.
void CalendarUi::cb_grid_i(Fl_Widget*, void* cell) {
  const int day = static_cast<DayCell*>(cell)->pressedDay;
  CommitYearEntry();
  Move([day](DatePair& d, CalendarKind base) {
    const int last = CalendarDate(d.Year(base), d.Month(base), 1, base).DaysInMonth();
    d = DatePair(d.Year(base), d.Month(base), std::min(day, last), base);
  });
}

// The grid's keys run the commands of the buttons, with their guards.
void CalendarUi::cb_grid_key_i(Fl_Widget*, void*) {
  switch (grid->keyStep) {
    case MonthGrid::Step::kPrevDay: return cb_yesterday_i(nullptr, nullptr);
    case MonthGrid::Step::kNextDay: return cb_tomorrow_i(nullptr, nullptr);
    case MonthGrid::Step::kPrevWeek: return StepDays(-kDaysInWeek);
    case MonthGrid::Step::kNextWeek: return StepDays(kDaysInWeek);
    case MonthGrid::Step::kPrevMonth: return cb_last_month_i(nullptr, nullptr);
    case MonthGrid::Step::kNextMonth: return cb_next_month_i(nullptr, nullptr);
    case MonthGrid::Step::kPrevYear: return cb_last_year_i(nullptr, nullptr);
    case MonthGrid::Step::kNextYear: return cb_next_year_i(nullptr, nullptr);
    case MonthGrid::Step::kToday: return cb_today_i(nullptr, nullptr);
    case MonthGrid::Step::kNone: return;
  }
}

void CalendarUi::StepDays(int days) {
  Move([days](DatePair& d, CalendarKind) {
    for (int i = 0; i < days; ++i) d.NextDay();
    for (int i = 0; i > days; --i) d.PrevDay();
  });
}

void CalendarUi::cb_days_from_date_i(Fl_Widget*, void*) { refresh(); }

void CalendarUi::cb_days_until_date_i(Fl_Widget*, void*) { refresh(); }

void CalendarUi::cb_mini_clock_i(Fl_Widget*, void*) { OpenClockWindow(); }

void CalendarUi::cb_clock_button_i(Fl_Widget*, void*) { OpenClockWindow(); }

void CalendarUi::cb_Exit_i(Fl_Widget*, void*) { main_window->hide(); }

void CalendarUi::cb_Clock_i(Fl_Widget*, void*) { OpenClockWindow(); }

void CalendarUi::cb_Output_i(Fl_Widget*, void*) {
  SaveAndOpenPage(HtmlExporter(date, base_kind, show_holidays), alert);
}

void CalendarUi::cb_Holidays_i(Fl_Widget*, void*) {
  show_holidays = holidays_item->value() != 0;
  SaveChoices();
  refresh();
}

// The holidays of the Ethiopian year shown, as an iCalendar file where the user chooses.
void CalendarUi::cb_Export_i(Fl_Widget*, void*) {
  const int year = date.Year(Ethiopian);
  const std::string file = choose_file(HolidayFileName(year).c_str());
  std::string why;
  if (!file.empty() && !SaveHolidayCalendar(year, file, &why)) alert(why.c_str());
}

void CalendarUi::cb_Help_i(Fl_Widget*, void*) { OpenHelpContents(); }

void CalendarUi::cb_Website_i(Fl_Widget*, void*) { OpenWebsite(); }

void CalendarUi::cb_About_i(Fl_Widget*, void*) { OpenAboutWindow(); }
