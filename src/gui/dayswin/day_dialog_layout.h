#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Multiline_Input.H>

#include "gui/fonts/ethiopic_face.h"

// Where the day dialog's parts stand at its first size, from the top: its
// dates, the day's facts, the days on it, then a row each for the name, the
// note (two), the repeat, the reminders (two, and their controls), and the
// buttons at the foot. Labels stand left of the fields.
namespace day_layout {

constexpr int kMargin = 10;
constexpr int kLabelWidth = 60;
constexpr int kRowHeight = 25;
constexpr int kRowGap = 5;
constexpr int kNoteRows = 2;
constexpr int kRepeatRow = 1 + kNoteRows;
constexpr int kRemindersRow = kRepeatRow + 1;
constexpr int kReminderRows = 2;
constexpr int kReminderControlsRow = kRemindersRow + kReminderRows;
constexpr int kWidth = 380;
constexpr int kHeight = 470;
constexpr int kDatesHeight = 40;
constexpr int kFactsLines = 4;  // room for two holidays, a fast and a saint
constexpr int kFactsY = kMargin + kDatesHeight;
constexpr int kLineHeight = 16;  // the toolkit's usual 14-pixel text and its spacing
constexpr int kFactsHeight = kFactsLines * kLineHeight;
constexpr int kListY = kFactsY + kFactsHeight + 5;
constexpr int kListHeight = 80;
constexpr int kFieldsY = kListY + kListHeight + 10;
constexpr int kFieldX = kMargin + kLabelWidth;
constexpr int kFieldWidth = kWidth - kLabelWidth - 2 * kMargin;
constexpr int kButtonsY = kHeight - kMargin - kRowHeight;
constexpr int kButtonWidth = 80;
constexpr int kButtonGap = 10;
constexpr int kNameColumn = 170;  // of the list's lines: the name, then the repeat

constexpr int RowY(int row) { return kFieldsY + row * (kRowHeight + kRowGap); }
constexpr int RowsHeight(int rows) { return rows * kRowHeight + (rows - 1) * kRowGap; }

// Enter starts a new line of the note; Ctrl+Enter is left to the window,
// whose marked Save takes it.
class NoteInput : public Fl_Multiline_Input {
 public:
  using Fl_Multiline_Input::Fl_Multiline_Input;
  int handle(int event) override {
    const int key = Fl::event_key();
    const bool save = event == FL_KEYBOARD && Fl::event_state(FL_CTRL) && (key == FL_Enter || key == FL_KP_Enter);
    return save ? 0 : Fl_Multiline_Input::handle(event);
  }
};

// The user's own text in a face that has the Ethiopic letters (and the Latin ones).
template <class Field>
Field* MakeField(int row, int rows = 1) {
  auto* field = new Field(kFieldX, RowY(row), kFieldWidth, RowsHeight(rows));
  field->textfont(EthiopicFont());
  return field;
}

template <class Button = Fl_Button>
Button* MakeButton(int slot, Fl_Callback* cb) {
  auto* button = new Button(kMargin + slot * (kButtonWidth + kButtonGap), kButtonsY, kButtonWidth, kRowHeight);
  button->callback(cb);
  return button;
}

}  // namespace day_layout
