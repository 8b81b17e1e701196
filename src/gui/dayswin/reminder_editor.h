#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>

#include <vector>

#include "core/days/reminder.h"

// The day dialog's reminders of a day: none, one or several, listed earliest
// first; a reminder added as days before (0 for the day itself) at a time,
// Add or Enter in either field; the picked one removed. Its widgets are the
// dialog's own children, so that they grow with it.
class ReminderEditor {
 public:
  ReminderEditor();  // in the group being built, on the dialog's reminder rows

  void Show(const std::vector<Reminder>& shown);
  const std::vector<Reminder>& Reminders() const { return reminders; }
  // The labels and the list in the language chosen now.
  void Translate();

  Fl_Hold_Browser* list;
  Fl_Int_Input* daysBefore;
  Fl_Box* between;  // "days before, at"
  Fl_Input* time;
  Fl_Button* add;
  Fl_Button* remove;

 private:
  void Add();
  void Remove();
  void ShowList();
  static void cb_add(Fl_Widget*, void* editor);
  static void cb_remove(Fl_Widget*, void* editor);

  std::vector<Reminder> reminders;
};
