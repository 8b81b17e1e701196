#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>

#include "fonts/fitting_size.h"

// One day of the month grid: the base calendar's day large across the top,
// the other calendar's small in the bottom-right corner, and an invisible
// button on top that takes the clicks (never the keyboard focus).
class DayCell : public Fl_Group {
 public:
  DayCell(int x, int y, int w, int h);

  void SetClickCallback(Fl_Callback* cb, void* data);
  void SetText(const char* text);
  void SetTexts(const char* primaryText, const char* secondaryText);
  void SetTextColor(Fl_Color color);
  // A day outside the calendars' span shows its numbers greyed and takes no click.
  void SetInSpan(bool inSpan);
  // Keeps the day shown now, which is the day a click picks, whatever the
  // click's release brings about first.
  void RecordPress();
  // Keeps the two numbers in proportion to the cell, and whole.
  void resize(int x, int y, int w, int h) override;
  void draw() override;

  // The widest day number, and what a field keeps of its width round its text.
  static constexpr const char* kWidestNumber = "30";
  static constexpr int kTextInsets = kFieldTextInsets;
  static constexpr Fl_Fontsize kSmallestSize = 6;

  Fl_Callback* clickCallback = nullptr;
  // The day the cell showed when the mouse went down on it; 0 for none.
  int pressedDay = 0;
  bool doubleClick = false;  // that press was a double-click's second
  Fl_Output* primary;
  Fl_Output* secondary;
  Fl_Button* hitButton;

 private:
  void FitNumbers();
  static void cb_hit(Fl_Widget* button, void* data);

  bool fitted = false;
};
