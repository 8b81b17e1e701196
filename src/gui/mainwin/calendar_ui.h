#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Output.H>
#include <FL/Fl_Window.H>

#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "core/calendar/date_pair.h"
#include "core/calendar/navigation.h"
#include "gui/clock/reckoning_clock.h"
#include "gui/dayswin/my_days.h"
#include "gui/grid/month_grid.h"
#include "gui/mainwin/month_choice.h"
#include "gui/mainwin/year_box.h"
#include "gui/pictures/grown_picture.h"
#include "gui/pictures/images.h"
#include "gui/remind/window_reminders.h"

// The main window: the current day in both calendars, its month as a grid,
// the navigation row and the small clock. Everything shown follows from
// `date` and `base_kind` through refresh(). The callbacks forward to the
// commands: navigation in the calendar core, the Tool and Help work in their
// own rooms.
class CalendarUi {
 public:
  CalendarUi();
  // The window and its widgets go with the object, once the event loop is over.
  ~CalendarUi();
  CalendarUi(const CalendarUi&) = delete;
  CalendarUi& operator=(const CalendarUi&) = delete;

  void show(int argc, char** argv);
  void set_defaults();
  void refresh();
  void toggle_base();
  int input_month() const;
  // The timer at local midnight: today moves on, and so does the date when
  // it was today.
  static void cb_midnight(void* ui);
  // How that timer is armed and cancelled: the toolkit's timeouts, as the
  // clocks' ticks are, or a recorder in tests.
  static ReckoningClock::Timer midnightTimer;

  CalendarKind base_kind = Ethiopian;
  DatePair date;
  DatePair today_date;  // read at start and at every local midnight
  Fl_Window* main_window;
  Fl_Button* base_button;
  Fl_Output* dates_output;
  Fl_Button *last_year, *last_month, *yesterday, *today;  // the navigation row, left to right
  MonthChoice* month_choice;
  YearBox* year_input;
  Fl_Button *tomorrow, *next_month, *next_year;
  MonthGrid* grid;
  // The day counts from a date to the one shown and from it to another.
  Fl_Value_Output *days_from_count, *days_until_count;
  Fl_Input *days_from_date, *days_until_date;
  Fl_Choice *days_from_kind, *days_until_kind;
  ReckoningClock* mini_clock;
  Fl_Menu_Bar* menu_bar;
  // One row of the Tool menu. A check item shows what state() reads; its
  // handler changes that state.
  struct ToolAction {
    const char* label;  // marked for the catalog
    int key;            // a shortcut, or 0
    bool (*state)(const CalendarUi& ui);  // nullptr for a plain command
    Fl_Callback* handler;
  };
  static const ToolAction tool_actions[];
  static const std::size_t tool_action_count;
  // The menu bar's items, built from tool_actions and the key table.
  std::vector<Fl_Menu_Item> main_menu;
  // Tool's check items, found by their handlers.
  Fl_Menu_Item *holidays_item, *fasts_item, *saints_item;
  Fl_Menu_Item *amharic_item, *geez_item;  // Tool > Amharic and Ge'ez numerals, which `style` follows
  Fl_Menu_Item* my_days_item;  // Tool > My days, which show_my_days follows
  bool show_my_days = true;
  MyDays my_days;
  bool show_holidays = true;
  bool show_fasts = false;
  bool show_saints = false;
  TextStyle style;
  WindowReminders reminders;  // told on the small clock's tick

 private:
  void BuildMenu();
  Fl_Menu_Item* ItemOf(Fl_Callback* handler);
  void ShowChecks();
  void BuildNavigationRow();
  void BuildGrid();
  void BuildDayCounts();
  void BuildDayCountKinds();
  void BuildMiniClock();
  void FitDateLines(double scale = 1);
  void RememberNavigationRow();
  // Sets the rows for the window's size, grown by scale.
  void LayOut(double scale);
  struct NavigationPlace {
    Fl_Widget* widget;
    int x, width;  // at the first size
  };
  std::vector<NavigationPlace> navigation_places;
  void ShowBasePicture();  // the base calendar's picture, grown as its button is
  GrownPicture flag_picture{image_flag}, globe_picture{image_globe};
  void ShowScript();  // the date lines, the grid's style, and the texts when the language changed
  Language language_shown = Language::kEnglish;
  void ShowYear();
  void ShowSpanEnds();
  std::tuple<int, CalendarKind, bool> export_checked;  // the year, calendar and fasts last looked at
  std::string export_refused;  // why it cannot be written; "" when it can
  void ShowDayCount(Fl_Value_Output* count, bool counted, int days);
  // The window's one way to move: shows moved, which the core's navigation
  // worked out from the date on show.
  void Show(DatePair moved);
  void Go(Step step) { Show(Stepped(date, base_kind, step)); }
  bool YearTyped() const;
  void EnterYear();
  void PickDay(int day);
  void ChoicesChanged();
  void KeysBackToGrid();
  void ArmMidnight();
  void SaveChoices() const;
  void Remind(bool RemindSettings::*which);  // Tool > Remind of fasts or feasts

  static CalendarUi* Owner(Fl_Widget* widget);

  static void cb_base_button(Fl_Widget* w, void* v) { Owner(w)->cb_base_button_i(w, v); }
  static void cb_last_year(Fl_Widget* w, void* v) { Owner(w)->cb_last_year_i(w, v); }
  static void cb_last_month(Fl_Widget* w, void* v) { Owner(w)->cb_last_month_i(w, v); }
  static void cb_yesterday(Fl_Widget* w, void* v) { Owner(w)->cb_yesterday_i(w, v); }
  static void cb_today(Fl_Widget* w, void* v) { Owner(w)->cb_today_i(w, v); }
  static void cb_month_choice(Fl_Widget* w, void* v) { Owner(w)->cb_month_choice_i(w, v); }
  static void cb_year_input(Fl_Widget* w, void* v) { Owner(w)->cb_year_input_i(w, v); }
  static void cb_year_step(Fl_Widget* w, void* v) { Owner(w)->cb_year_step_i(w, v); }
  static void cb_tomorrow(Fl_Widget* w, void* v) { Owner(w)->cb_tomorrow_i(w, v); }
  static void cb_next_month(Fl_Widget* w, void* v) { Owner(w)->cb_next_month_i(w, v); }
  static void cb_next_year(Fl_Widget* w, void* v) { Owner(w)->cb_next_year_i(w, v); }
  static void cb_grid(Fl_Widget* w, void* v) { Owner(w)->cb_grid_i(w, v); }
  static void cb_grid_key(Fl_Widget* w, void* v) { Owner(w)->cb_grid_key_i(w, v); }
  static void cb_grid_open(Fl_Widget* w, void* v) { Owner(w)->cb_grid_open_i(w, v); }
  static void cb_days_from_date(Fl_Widget* w, void* v) { Owner(w)->cb_days_from_date_i(w, v); }
  static void cb_days_until_date(Fl_Widget* w, void* v) { Owner(w)->cb_days_until_date_i(w, v); }
  static void cb_mini_clock(Fl_Widget* w, void* v) { Owner(w)->cb_mini_clock_i(w, v); }
  static void cb_clock_button(Fl_Widget* w, void* v) { Owner(w)->cb_clock_button_i(w, v); }
  static void cb_Exit(Fl_Widget* w, void* v) { Owner(w)->cb_Exit_i(w, v); }
  static void cb_Quit(Fl_Widget* w, void* v) { Owner(w)->cb_Quit_i(w, v); }
  static void cb_Clock(Fl_Widget* w, void* v) { Owner(w)->cb_Clock_i(w, v); }
  static void cb_Output(Fl_Widget* w, void* v) { Owner(w)->cb_Output_i(w, v); }
  static void cb_Holidays(Fl_Widget* w, void* v) { Owner(w)->cb_Holidays_i(w, v); }
  static void cb_Fasting(Fl_Widget* w, void* v) { Owner(w)->cb_Fasting_i(w, v); }
  static void cb_Saints(Fl_Widget* w, void* v) { Owner(w)->cb_Saints_i(w, v); }
  static void cb_Bahire(Fl_Widget* w, void* v) { Owner(w)->cb_Bahire_i(w, v); }
  static void cb_My(Fl_Widget* w, void* v) { Owner(w)->cb_My_i(w, v); }
  static void cb_All(Fl_Widget* w, void* v) { Owner(w)->cb_All_i(w, v); }
  static void cb_Export(Fl_Widget* w, void* v) { Owner(w)->cb_Export_i(w, v); }
  static void cb_RemindFasts(Fl_Widget* w, void*) { Owner(w)->Remind(&RemindSettings::fasts); }
  static void cb_RemindFeasts(Fl_Widget* w, void*) { Owner(w)->Remind(&RemindSettings::feasts); }
  static void cb_tick(const ReckoningClock*, void* ui);
  static void cb_Script(Fl_Widget* w, void* v) { Owner(w)->cb_Script_i(w, v); }
  static void cb_Geez(Fl_Widget* w, void* v) { Owner(w)->cb_Geez_i(w, v); }
  static void cb_Help(Fl_Widget* w, void* v) { Owner(w)->cb_Help_i(w, v); }
  static void cb_Website(Fl_Widget* w, void* v) { Owner(w)->cb_Website_i(w, v); }
  static void cb_About(Fl_Widget* w, void* v) { Owner(w)->cb_About_i(w, v); }

  void cb_base_button_i(Fl_Widget*, void*);
  void cb_last_year_i(Fl_Widget*, void*);
  void cb_last_month_i(Fl_Widget*, void*);
  void cb_yesterday_i(Fl_Widget*, void*);
  void cb_today_i(Fl_Widget*, void*);
  void cb_month_choice_i(Fl_Widget*, void*);
  void cb_year_input_i(Fl_Widget*, void*);
  void cb_year_step_i(Fl_Widget*, void*);
  void cb_tomorrow_i(Fl_Widget*, void*);
  void cb_next_month_i(Fl_Widget*, void*);
  void cb_next_year_i(Fl_Widget*, void*);
  void cb_grid_i(Fl_Widget*, void* cell);
  void cb_grid_key_i(Fl_Widget*, void*);
  void cb_grid_open_i(Fl_Widget*, void*);
  void cb_days_from_date_i(Fl_Widget*, void*);
  void cb_days_until_date_i(Fl_Widget*, void*);
  void cb_mini_clock_i(Fl_Widget*, void*);
  void cb_clock_button_i(Fl_Widget*, void*);
  void cb_Exit_i(Fl_Widget*, void*);
  void cb_Quit_i(Fl_Widget*, void*);
  void cb_Clock_i(Fl_Widget*, void*);
  void cb_Output_i(Fl_Widget*, void*);
  void cb_Holidays_i(Fl_Widget*, void*);
  void cb_Fasting_i(Fl_Widget*, void*);
  void cb_Saints_i(Fl_Widget*, void*);
  void cb_Bahire_i(Fl_Widget*, void*);
  void cb_My_i(Fl_Widget*, void*);
  void cb_All_i(Fl_Widget*, void*);
  void cb_Export_i(Fl_Widget*, void*);
  void cb_Script_i(Fl_Widget*, void*);
  void cb_Geez_i(Fl_Widget*, void*);
  void cb_Help_i(Fl_Widget*, void*);
  void cb_Website_i(Fl_Widget*, void*);
  void cb_About_i(Fl_Widget*, void*);

  static Fl_Menu_Item days_from_kind_menu[];
  static Fl_Menu_Item days_until_kind_menu[];
};
