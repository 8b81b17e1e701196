#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>

#include <memory>
#include <string>
#include <vector>

#include "core/calendar/date_pair.h"
#include "gui/dayswin/days_keeper.h"
#include "gui/dayswin/reminder_editor.h"
#include "gui/scaling/growing_window.h"
#include "core/locale/language_names.h"

// The user's days on one date, in a small window beside the main one (no
// modal loop of its own), under what the calendar says of the date: the days already there to pick, change or delete,
// and the fields of a day to add or change: its name, a note, its repeat and
// its reminders.
// A delete asks first. With nothing picked, Save (Enter, or Ctrl+Enter in
// the note) adds a day that starts on the date shown. Nothing typed is lost:
// leaving fields that differ from what they showed asks Save, Discard or Cancel.
class DayDialog : public GrowingWindow {
 public:
  explicit DayDialog(DaysKeeper& keeper);

  // Shows the window on date, its fields empty; on the date it shows, as it is.
  // Another date is taken only once what is typed is saved or let go.
  void Open(DatePair date, TextStyle style);
  // Moves a shown window to the date the main window picked when nothing
  // typed would be lost; else it stays on its own, which its heading names.
  void Follow(DatePair date);
  // Whether the fields may be left: true when nothing typed differs from
  // what they showed, or once the user saved it or let it go.
  bool MayLeave();
  // The days on the date again, after the store changed; the pick stays when
  // its day does, and the fields keep what is typed in them.
  void ShowDays();
  // The labels, dates and list in the language and numerals chosen now; what is typed stays.
  void Restyle(TextStyle style);

  Fl_Box* dates;
  Fl_Box* facts;  // the day's holidays, fast and saint
  Fl_Hold_Browser* list;
  Fl_Input* name;
  Fl_Multiline_Input* note;
  Fl_Choice* repeat;
  std::unique_ptr<ReminderEditor> reminders;
  Fl_Button* new_button;
  Fl_Return_Button* save_button;
  Fl_Button* delete_button;

 private:
  void Translate();
  void MoveTo(DatePair day);
  void Fill(const UserDay* day);
  bool Unsaved() const;
  const UserDay* Picked() const;
  bool Save();
  void Delete();

  static void cb_list(Fl_Widget* w, void*);
  static void cb_repeat(Fl_Widget* w, void*);
  static void cb_new(Fl_Widget* w, void*);
  static void cb_save(Fl_Widget* w, void*);
  static void cb_delete(Fl_Widget* w, void*);
  static void cb_close(Fl_Widget* w, void*);
  static DayDialog* Owner(Fl_Widget* w) { return static_cast<DayDialog*>(w->window()); }
  void LayOut(double scale);

  DaysKeeper& keeper;
  DatePair date;
  TextStyle style;
  std::string datesText, factsText;
  std::vector<std::string> uids;  // of the list's lines, in order
  std::string pickedUid;          // "" when nothing is picked
  int listColumns[2] = {};        // the name's width at the window's scale, then the rest
  // What Fill put in the fields, to tell what the user typed since.
  struct Fields {
    std::string name, note;
    int repeat = 0;
    std::vector<Reminder> reminders;
  } filled;
  Fields Typed() const;
};
