#include "gui/dayswin/day_dialog.h"

#include <FL/Fl.H>

#include <algorithm>
#include <iterator>

#include "core/days/occurrences.h"
#include "gui/dialogs/dialogs.h"
#include "gui/dayswin/day_dialog_layout.h"
#include "gui/dayswin/day_texts.h"
#include "gui/fonts/ethiopic_face.h"
#include "core/locale/translation.h"
#include "gui/pictures/app_icon.h"

using namespace day_layout;

// The fields stretch with the window, and their text, labels and marks grow with it.
DayDialog::DayDialog(DaysKeeper& days) : GrowingWindow(kWidth, kHeight, nullptr), keeper(days) {
  dates = new Fl_Box(kMargin, kMargin, kWidth - 2 * kMargin, kDatesHeight);
  dates->align(FL_ALIGN_INSIDE | FL_ALIGN_CENTER);
  facts = new Fl_Box(kMargin, kFactsY, kWidth - 2 * kMargin, kFactsHeight);
  facts->align(FL_ALIGN_INSIDE | FL_ALIGN_CENTER | FL_ALIGN_CLIP);
  facts->labelfont(EthiopicFont());
  list = new Fl_Hold_Browser(kMargin, kListY, kWidth - 2 * kMargin, kListHeight);
  list->textfont(EthiopicFont());
  list->format_char(0);  // a name that begins with '@' is shown as typed
  list->callback(cb_list);
  name = MakeField<Fl_Input>(0);
  note = MakeField<NoteInput>(1, kNoteRows);
  repeat = new Fl_Choice(kFieldX, RowY(kRepeatRow), kFieldWidth, kRowHeight);
  for (Repeat r : kRepeats) repeat->add(RepeatKey(r), 0, nullptr, nullptr, 0);
  repeat->callback(cb_repeat);
  reminders = std::make_unique<ReminderEditor>();
  new_button = MakeButton(0, cb_new);
  save_button = MakeButton<Fl_Return_Button>(1, cb_save);
  delete_button = MakeButton(2, cb_delete);
  end();
  callback(cb_close);
  SetAppIcon(this);
  resizable(this);
  size_range(kWidth, kHeight);
  relayout = [this](double scale) { LayOut(scale); };
  LayOut(1);
  SizeForScreen();
}

void DayDialog::LayOut(double scale) {
  GrowText(this, scale);
  listColumns[0] = Scaled(kNameColumn, scale);
  list->column_widths(listColumns);
}

void DayDialog::Open(DatePair day, TextStyle textStyle) {
  const bool here = visible() && day.SameDay(date);
  if (!here && visible() && !MayLeave()) return show();
  style = textStyle;
  if (!here) MoveTo(day);
  show();
  name->take_focus();
}

void DayDialog::Follow(DatePair day) {
  if (visible() && !day.SameDay(date) && !Unsaved()) MoveTo(day);
}

void DayDialog::MoveTo(DatePair day) {
  date = day;
  pickedUid.clear();
  Restyle(style);
  Fill(nullptr);
}

bool DayDialog::MayLeave() {
  if (!Unsaved()) return true;
  enum { kSave, kDiscard, kCancel };
  const std::size_t answer = Dialogs::ask({Tr("The day has changes that are not saved. Save them?"),
                                           {N_("Save"), N_("Discard"), N_("Cancel")}, kSave, kCancel});
  if (answer == kSave) return Save();
  if (answer == kDiscard) Fill(Picked());
  return answer == kDiscard;
}

void DayDialog::Restyle(TextStyle textStyle) {
  style = textStyle;
  Translate();
  ShowDays();
}

// The labels in the language chosen now; the menu's items are translated
// in place, as the main menu's are.
void DayDialog::Translate() {
  label(Tr("My days"));
  datesText = BothDates(date, style, "\n");
  dates->label(datesText.c_str());
  factsText = WithoutSymbols(DayFactsText(date, style.language));
  facts->label(factsText.c_str());
  name->label(Tr("Name"));
  note->label(Tr("Note"));
  repeat->label(Tr("Repeat"));
  reminders->Translate();
  for (std::size_t i = 0; i < std::size(kRepeats); ++i) repeat->replace(static_cast<int>(i), RepeatName(kRepeats[i]));
  new_button->label(Tr("New"));
  save_button->label(Tr("Save"));
  delete_button->label(Tr("Delete"));
  redraw();  // the labels beside the fields lie outside them
}

void DayDialog::ShowDays() {
  const int dayNumber = date.dates[Gregorian].dayNumber;
  const std::vector<UserDay>& days = keeper.Days();
  list->clear();
  uids.clear();
  for (const Occurrence& on : OccurrencesBetween(days, dayNumber, dayNumber)) {
    const UserDay& day = days[on.index];
    list->add((day.name + "\t" + RepeatName(day.repeat)).c_str());
    uids.push_back(day.uid);
  }
  const auto picked = std::find(uids.begin(), uids.end(), pickedUid);
  if (picked == uids.end()) pickedUid.clear();
  list->value(picked == uids.end() ? 0 : static_cast<int>(picked - uids.begin()) + 1);
  Picked() ? delete_button->activate() : delete_button->deactivate();
}

const UserDay* DayDialog::Picked() const {
  for (const UserDay& day : keeper.Days()) {
    if (!pickedUid.empty() && day.uid == pickedUid) return &day;
  }
  return nullptr;
}

// The picked day's fields, or empty ones for a new day kept by the Ethiopian date.
void DayDialog::Fill(const UserDay* day) {
  name->value(day ? day->name.c_str() : "");
  note->value(day ? day->note.c_str() : "");
  const Repeat shown = day ? day->repeat : Repeat::kEthiopianYear;
  repeat->value(static_cast<int>(std::find(std::begin(kRepeats), std::end(kRepeats), shown) - std::begin(kRepeats)));
  reminders->Show(day ? day->reminders : DefaultReminders(shown));
  filled = Typed();
}

// While a day's reminders are the ones a repeat gives a new day, they follow
// the repeat chosen.
void DayDialog::cb_repeat(Fl_Widget* w, void*) {
  ReminderEditor& reminders = *Owner(w)->reminders;
  const auto given = [&reminders](Repeat r) { return reminders.Reminders() == DefaultReminders(r); };
  if (std::any_of(std::begin(kRepeats), std::end(kRepeats), given)) {
    reminders.Show(DefaultReminders(kRepeats[Owner(w)->repeat->value()]));
  }
}

DayDialog::Fields DayDialog::Typed() const {
  return {name->value(), note->value(), repeat->value(), reminders->Reminders()};
}

bool DayDialog::Unsaved() const {
  const Fields now = Typed();
  return now.name != filled.name || now.note != filled.note || now.repeat != filled.repeat ||
         now.reminders != filled.reminders;
}

// A changed day keeps its first date; a new one starts on the date shown.
bool DayDialog::Save() {
  if (!*name->value()) {
    Dialogs::alert(N_("A day needs a name."));
    return false;
  }
  const UserDay* picked = Picked();
  UserDay day = picked ? *picked : UserDay{};
  if (!picked) day.start = date.dates[Gregorian].dayNumber;
  day.name = name->value();
  day.note = note->value();
  day.repeat = kRepeats[repeat->value()];
  day.reminders = reminders->Reminders();  // another program's alarms stay among the kept lines
  if (!(picked ? keeper.Replace(day) : keeper.Add(day))) return false;  // the fields stay as typed
  ShowDays();
  Fill(Picked());
  return true;
}

// The question runs an event loop, in which the keeper may read the file
// again and replace its days: the day is held by its UID across it.
void DayDialog::Delete() {
  const UserDay* picked = Picked();
  if (!picked) return;
  const std::string uid = picked->uid;
  if (!Confirmed(Filled(Tr("Delete \"%s\"? It cannot be undone."), {picked->name}), N_("Delete")) ||
      !keeper.Remove(uid)) {
    return;
  }
  pickedUid.clear();
  ShowDays();
  Fill(nullptr);
}

// Another line is taken once what is typed is saved or let go; the save may
// reorder the list, so the line is known by its day.
void DayDialog::cb_list(Fl_Widget* w, void*) {
  DayDialog* dialog = Owner(w);
  const int line = dialog->list->value();
  const std::string uid = line > 0 ? dialog->uids[line - 1] : "";
  if (uid == dialog->pickedUid || !dialog->MayLeave()) return dialog->ShowDays();
  dialog->pickedUid = uid;
  dialog->ShowDays();
  dialog->Fill(dialog->Picked());
}

void DayDialog::cb_new(Fl_Widget* w, void*) {
  DayDialog* dialog = Owner(w);
  if (!dialog->MayLeave()) return;
  dialog->pickedUid.clear();
  dialog->list->value(0);
  dialog->Fill(nullptr);
  dialog->name->take_focus();
}

void DayDialog::cb_save(Fl_Widget* w, void*) { Owner(w)->Save(); }
void DayDialog::cb_close(Fl_Widget* w, void*) {
  auto* dialog = static_cast<DayDialog*>(w);
  if (dialog->MayLeave()) dialog->hide();
}
void DayDialog::cb_delete(Fl_Widget* w, void*) { Owner(w)->Delete(); }
