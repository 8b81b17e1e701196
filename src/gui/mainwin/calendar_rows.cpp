// The main window's rows of widgets, built once by the constructor.
#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/x.H>

#include <cmath>
#include <string>
#include <utility>

#include "core/export/holiday_export.h"
#include "gui/fonts/fitting_size.h"
#include "core/locale/translation.h"
#include "gui/mainwin/calendar_ui.h"
#include "gui/mainwin/layout.h"
#include "gui/scaling/growing_window.h"

using namespace layout;

namespace {

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

// The largest size, from `largest` down to `smallest`, at which line fits
// room in a face of Courier's metrics, each letter 0.6 em wide with its
// advance rounded to whole pixels. (A 10-point Courier sets 12 letters to the
// inch, Microsoft KB 144501; DocBook XSL's monospace.verbatim.font.width is
// 0.60em.)
Fl_Fontsize FixedWidthEstimate(const std::string& line, int room, Fl_Fontsize largest, Fl_Fontsize smallest) {
  constexpr double kFixedAdvance = 0.6;
  const long letters = line.size();
  Fl_Fontsize size = largest;
  while (size > smallest && std::lround(kFixedAdvance * size) * letters > room) --size;
  return size;
}

}  // namespace

#define ITEM(text) \
  { text, 0, nullptr, nullptr, 0, FL_NORMAL_LABEL, 0, kMenuLabelSize, 0 }
#define END_MENU ITEM(nullptr)

// Index 0 reads the typed date as Gregorian, index 1 as Ethiopian.
Fl_Menu_Item CalendarUi::days_from_kind_menu[] = {
    ITEM("Gregorian"), ITEM("Ethiopian"), END_MENU};
Fl_Menu_Item CalendarUi::days_until_kind_menu[] = {ITEM("Gregorian"), ITEM("Ethiopian"), END_MENU};

#undef ITEM
#undef END_MENU

void CalendarUi::BuildNavigationRow() {
  last_year = MakeButton(0, kArrowWidth, "@<<", N_("Last year"), cb_last_year);
  last_month = MakeButton(24, kArrowWidth, "@<", N_("Last month"), cb_last_month);
  yesterday = MakeButton(48, kArrowWidth, "-", N_("Yesterday"), cb_yesterday);
  today = MakeButton(72, 50, N_("Today"), N_("Go to today"), cb_today);
  month_choice = new MonthChoice(120, kNavRowY, 108, kNavHeight);
  month_choice->tooltip(N_("month"));
  month_choice->box(FL_FLAT_BOX);
  month_choice->down_box(FL_BORDER_BOX);
  month_choice->color(FL_GRAY);
  month_choice->selection_color(FL_SELECTION_COLOR);
  month_choice->labeltype(FL_NO_LABEL);
  month_choice->align(FL_ALIGN_CENTER);
  month_choice->when(FL_WHEN_RELEASE);
  month_choice->callback(cb_month_choice);
  year_input = new YearBox(227, kNavRowY, 50, kNavHeight);
  year_input->labeltype(FL_NO_LABEL);
  year_input->minimum(1604);
  year_input->maximum(9999);
  year_input->step(1);
  year_input->align(FL_ALIGN_CENTER);
  // Also when the number is unchanged: "+2001" or "0x7d1" must still be read
  // (and refused or rewritten) as typed.
  year_input->when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
  year_input->callback(cb_year_input);
  year_input->stepCallback = cb_year_step;
  tomorrow = MakeButton(278, kArrowWidth, "+", N_("Tomorrow"), cb_tomorrow);
  next_month = MakeButton(302, kArrowWidth, "@>", N_("Next month"), cb_next_month);
  next_year = MakeButton(326, kArrowWidth, "@>>", N_("Next year"), cb_next_year);
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
  auto* group = new Fl_Group(kClockX, kTopRowY, kTopRowHeight, kTopRowHeight);
  mini_clock = new ReckoningClock(kClockX, kTopRowY, kTopRowHeight, kTopRowHeight);
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
  auto* button = new Fl_Button(kClockX, kTopRowY, kTopRowHeight, kTopRowHeight);
  button->box(FL_NO_BOX);
  button->callback(cb_clock_button);
  group->end();
}

// The date lines are padded as for a fixed-width face, so they are drawn in
// one, at the largest size at which the longest line, a five-digit year's,
// fits the box; the two lines then stand aligned as the padding intends.
// The face itself is the language's (ShowScript), kept at every size. The
// size a face of Courier's metrics would take is tried first, and a smaller
// one only where it is too wide: each size tried costs a font instance.
void CalendarUi::FitDateLines(double scale) {
  const Fl_Fontsize usualSize = Scaled(kLabelSize, scale);
  constexpr Fl_Fontsize kSmallestSize = 8;
  const std::string longest = CalendarDate(10000, 1, 1, Gregorian).Text();
  const int room = dates_output->w() - Fl::box_dw(dates_output->box()) - kFieldTextInsets;
  const Fl_Fontsize estimate = FixedWidthEstimate(longest, room, usualSize, kSmallestSize);
  fl_open_display();
  dates_output->textsize(LargestFittingSize(FL_COURIER, longest.c_str(), room, estimate, kSmallestSize));
}

// The month grid: a click picks a day, its keys ask for steps, and a
// double-click or Enter opens the day.
void CalendarUi::BuildGrid() {
  grid = new MonthGrid(0, kGridY, kWindowWidth, kGridHeight);
  grid->box(FL_NO_BOX);
  grid->color(FL_GRAY);
  grid->selection_color(FL_GRAY);
  grid->labeltype(FL_NO_LABEL);
  grid->SetDayCallback(cb_grid);
  grid->align(FL_ALIGN_CENTER);
  grid->when(FL_WHEN_RELEASE);
  grid->callback(cb_grid_key);
  grid->openCallback = cb_grid_open;
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

// At the span's ends the steps that would not move the date cannot be
// taken; nor can a year be exported whose holidays cannot be written, and
// the menu bar's tooltip says why.
void CalendarUi::ShowSpanEnds() {
  const std::pair<Fl_Widget*, Step> steps[] = {{last_year, Step::kPrevYear}, {last_month, Step::kPrevMonth},
                                               {yesterday, Step::kPrevDay},  {tomorrow, Step::kNextDay},
                                               {next_month, Step::kNextMonth}, {next_year, Step::kNextYear}};
  for (const auto& [button, step] : steps) Stepped(date, base_kind, step).SameDay(date) ? button->deactivate() : button->activate();
  // Writing a year out in memory costs most of a refresh: it is done again
  // only when the year, its calendar or the fasts change.
  const std::tuple<int, CalendarKind, bool> asked{date.Year(base_kind), base_kind, show_fasts};
  if (asked != export_checked) {
    export_checked = asked;
    export_refused.clear();
    HolidayExportWritable({date.Year(base_kind), base_kind, show_fasts}, &export_refused);
  }
  Fl_Menu_Item* exportItem = ItemOf(cb_Export);
  export_refused.empty() ? exportItem->activate() : exportItem->deactivate();
  menu_bar->tooltip(export_refused.empty() ? nullptr : export_refused.c_str());
}
