#include "mainwin/calendar_ui.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Tooltip.H>

#include <string>

#include "identity/program_identity.h"
#include "locale/translation.h"
#include "mainwin/ethiopic_fallback.h"
#include "mainwin/layout.h"
#include "mainwin/main_window.h"
#include "mainwin/settings.h"
#include "pictures/app_icon.h"
#include "pictures/images.h"

using namespace layout;

namespace {

// Holiday tooltips carry Amharic names; the toolkit draws a tooltip in one
// face, so it needs one with Ethiopic letters beside the Latin ones.
constexpr Fl_Font kTooltipFont = FL_FREE_FONT;
const char kEthiopicFace[] = " Abyssinica SIL";  // the blank: regular style

// Sets or clears a check item; gives back what it set.
bool Check(Fl_Menu_Item* item, bool on) {
  on ? item->set() : item->clear();
  return on;
}

}  // namespace

#define KEYED_ITEM(text, key, cb, flags) \
  { text, key, cb, nullptr, flags, FL_NORMAL_LABEL, 0, kMenuLabelSize, 0 }
#define ITEM(text, cb, flags) KEYED_ITEM(text, 0, cb, flags)
#define END_MENU ITEM(nullptr, nullptr, 0)

// File and Goto are kept but never offered. The shortcuts stand beside their
// commands; MainWindow finds those of hidden items too.
Fl_Menu_Item CalendarUi::main_menu[] = {
    ITEM(N_("File"), nullptr, FL_SUBMENU | FL_MENU_INVISIBLE | FL_MENU_INACTIVE),
    ITEM(N_("Import Holiday"), nullptr, 0),
    ITEM(N_("Save Option"), nullptr, 0),
    ITEM(N_("Load Option"), nullptr, 0),
    ITEM(N_("Exit"), cb_Exit, 0),
    END_MENU,
    ITEM(N_("Goto"), nullptr, FL_SUBMENU | FL_MENU_INVISIBLE | FL_MENU_INACTIVE),
    ITEM(N_("Today"), nullptr, FL_MENU_INACTIVE),
    END_MENU,
    ITEM(N_("Tool"), nullptr, FL_SUBMENU),
    ITEM(N_("Clock"), cb_Clock, 0),
    ITEM(N_("Output html"), cb_Output, 0),
    ITEM(N_("Holidays"), cb_Holidays, FL_MENU_TOGGLE | FL_MENU_VALUE),
    ITEM(N_("Fasting days"), cb_Fasting, FL_MENU_TOGGLE),
    ITEM(N_("Saints' days"), cb_Saints, FL_MENU_TOGGLE),
    ITEM(N_("Bahire Hasab"), cb_Bahire, 0),
    ITEM(N_("My days"), cb_My, FL_MENU_TOGGLE | FL_MENU_VALUE),
    ITEM(N_("All my days\u2026"), cb_All, 0),
    ITEM(N_("Export holidays\u2026"), cb_Export, 0),
    ITEM(N_("Amharic"), cb_Script, FL_MENU_TOGGLE),
    ITEM(N_("Ge'ez numerals"), cb_Script, FL_MENU_TOGGLE),
    END_MENU,
    ITEM(N_("Help"), nullptr, FL_SUBMENU),
    KEYED_ITEM(N_("Help Contents"), FL_F + 1, cb_Help, 0),
    ITEM(N_("Website"), cb_Website, 0),
    ITEM(N_("About"), cb_About, 0),
    END_MENU,
    // Never offered: it carries the key that closes every window.
    KEYED_ITEM(N_("Quit"), FL_CTRL + 'q', cb_Quit, FL_MENU_INVISIBLE),
    END_MENU,
};

// Index 0 reads the typed date as Gregorian, index 1 as Ethiopian.
Fl_Menu_Item CalendarUi::days_from_kind_menu[] = {
    ITEM("Gregorian", nullptr, 0), ITEM("Ethiopian", nullptr, 0), END_MENU};
Fl_Menu_Item CalendarUi::days_until_kind_menu[] = {
    ITEM("Gregorian", nullptr, 0), ITEM("Ethiopian", nullptr, 0), END_MENU};

#undef ITEM
#undef KEYED_ITEM
#undef END_MENU

CalendarUi::CalendarUi()
    : my_days([this] { refresh(); }, [this](int32_t day) { Show(DatePair::OfDay(day)), cb_grid_open_i(nullptr, nullptr); }) {
  auto* window = new MainWindow(kWindowWidth, kWindowHeight, "Zelmora");
  main_window = window;
  main_window->user_data(this);
  base_button = new Fl_Button(kBaseButtonX, kTopRowY, kTopRowHeight, kTopRowHeight);
  base_button->tooltip(N_("Change base calendar"));
  base_button->image(image_flag);
  base_button->deimage(image_globe);
  base_button->callback(cb_base_button);
  dates_output = new Fl_Output(kDatesX, kTopRowY, kDatesWidth, kTopRowHeight);
  dates_output->type(FL_MULTILINE_OUTPUT);
  dates_output->labeltype(FL_NO_LABEL);
  dates_output->align(FL_ALIGN_CENTER);
  BuildNavigationRow();
  BuildGrid();
  BuildDayCounts();
  window->menuBar = new Fl_Menu_Bar(0, 0, kWindowWidth, kMenuHeight);
  window->menuBar->menu(main_menu);
  holidays_item = &main_menu[window->menuBar->find_index(cb_Holidays)];
  fasts_item = &main_menu[window->menuBar->find_index(cb_Fasting)];
  saints_item = &main_menu[window->menuBar->find_index(cb_Saints)];
  amharic_item = &main_menu[window->menuBar->find_index(cb_Script)], geez_item = amharic_item + 1;
  my_days_item = &main_menu[window->menuBar->find_index(cb_My)];
  BuildDayCountKinds();
  BuildMiniClock();
  SetAppIcon(main_window);
  main_window->end();
  main_window->resizable(grid);  // the rows above keep their height; the grid takes the room
  main_window->size_range(kWindowWidth, kWindowHeight);  // below that nothing is usable
  Fl::set_font(kTooltipFont, kEthiopicFace);
  Fl_Tooltip::font(kTooltipFont);
}

void CalendarUi::show(int argc, char** argv) {
  FitDateLines();
  set_defaults();
  refresh();
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
  show_holidays = Check(holidays_item, saved.holidays);
  show_fasts = Check(fasts_item, saved.fasts);
  show_saints = Check(saints_item, saved.saints);
  show_my_days = Check(my_days_item, saved.myDays);
  style = {Check(amharic_item, saved.language == Language::kAmharic) ? Language::kAmharic : Language::kEnglish,
           Check(geez_item, saved.geez)};
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
  base_button->image(base_kind == Gregorian ? &image_globe : &image_flag);
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

