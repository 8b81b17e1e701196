#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>

// One day of the month grid: the base calendar's day large across the top,
// the other calendar's small in the bottom-right corner, and an invisible
// button on top that takes the clicks.
class DayCell : public Fl_Group {
 public:
  DayCell(int x, int y, int w, int h);

  void SetClickCallback(Fl_Callback* cb, void* data);
  void SetText(const char* text);
  void SetTexts(const char* primaryText, const char* secondaryText);
  void SetTextColor(Fl_Color color);
  // Keeps the two numbers in proportion to the cell.
  void resize(int x, int y, int w, int h) override;

  Fl_Callback* clickCallback = nullptr;
  Fl_Output* primary;
  Fl_Output* secondary;
  Fl_Button* hitButton;

 private:
  static void cb_hit(Fl_Widget* button, void* data);
};
