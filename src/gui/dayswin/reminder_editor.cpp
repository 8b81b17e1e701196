#include "gui/dayswin/reminder_editor.h"

#include <string>

#include "core/locale/translation.h"
#include "gui/dayswin/day_dialog_layout.h"
#include "gui/dialogs/dialogs.h"
#include "gui/remind/reminder_texts.h"

using namespace day_layout;

namespace {

constexpr int kSideButtonWidth = 70;
constexpr int kListWidth = kFieldWidth - kSideButtonWidth - kRowGap;
constexpr int kDaysWidth = 45;
constexpr int kBetweenWidth = 120;
constexpr int kTimeWidth = 60;
constexpr char kFirstTime[] = "08:00";  // what a reminder most often says

// Enter in a field adds the reminder typed, rather than saving the day.
template <class Field>
Field* MakeReminderField(int x, int w, ReminderEditor* editor, Fl_Callback* cb) {
  auto* field = new Field(x, RowY(kReminderControlsRow), w, kRowHeight);
  field->when(FL_WHEN_ENTER_KEY_ALWAYS);
  field->callback(cb, editor);
  return field;
}

}  // namespace

ReminderEditor::ReminderEditor() {
  list = new Fl_Hold_Browser(kFieldX, RowY(kRemindersRow), kListWidth, RowsHeight(kReminderRows));
  list->align(FL_ALIGN_LEFT);
  const int sideX = kFieldX + kListWidth + kRowGap;
  add = new Fl_Button(sideX, RowY(kRemindersRow), kSideButtonWidth, kRowHeight);
  add->callback(cb_add, this);
  remove = new Fl_Button(sideX, RowY(kRemindersRow + 1), kSideButtonWidth, kRowHeight);
  remove->callback(cb_remove, this);
  daysBefore = MakeReminderField<Fl_Int_Input>(kFieldX, kDaysWidth, this, cb_add);
  daysBefore->value("0");
  between = new Fl_Box(kFieldX + kDaysWidth, RowY(kReminderControlsRow), kBetweenWidth, kRowHeight);
  between->align(FL_ALIGN_INSIDE | FL_ALIGN_CENTER);
  time = MakeReminderField<Fl_Input>(kFieldX + kDaysWidth + kBetweenWidth, kTimeWidth, this, cb_add);
  time->value(kFirstTime);
}

void ReminderEditor::Show(const std::vector<Reminder>& shown) {
  reminders = shown;
  ShowList();
}

void ReminderEditor::Translate() {
  list->label(Tr("Remind"));
  between->label(Tr("days before, at"));
  add->label(Tr("Add"));
  remove->label(Tr("Remove"));
  ShowList();
}

void ReminderEditor::ShowList() {
  list->clear();
  for (const Reminder& reminder : reminders) list->add(ReminderLine(reminder).c_str());
}

// Read as the terminal reads WHEN ("7d@09:00"), each reminder once.
void ReminderEditor::Add() {
  const std::string days = daysBefore->value();
  const std::string when = (days.empty() || days == "0" ? "" : days + "d") + "@" + time->value();
  std::vector<Reminder> read;
  std::string why;
  if (!ParseReminders({when}, &read, &why)) {
    return Dialogs::alert(Tr("A reminder comes a number of days before the day (0 on the day itself), at a time "
                             "written HH:MM, such as 08:00."));
  }
  reminders.insert(reminders.end(), read.begin(), read.end());
  SortReminders(&reminders);
  ShowList();
}

void ReminderEditor::Remove() {
  const int line = list->value();
  if (line < 1) return;
  reminders.erase(reminders.begin() + (line - 1));
  ShowList();
}

void ReminderEditor::cb_add(Fl_Widget*, void* editor) { static_cast<ReminderEditor*>(editor)->Add(); }
void ReminderEditor::cb_remove(Fl_Widget*, void* editor) { static_cast<ReminderEditor*>(editor)->Remove(); }
