#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>

#include <string>

#include "gui/fonts/fitting_size.h"

// One day of the month grid: the base calendar's day large across the top,
// the other calendar's small in the bottom-right corner, and an invisible
// button on top that takes the clicks (never the keyboard focus).
class DayCell : public Fl_Group {
 public:
  DayCell(int x, int y, int w, int h);

  void SetClickCallback(Fl_Callback* cb, void* data);
  // Shows day (the base calendar's, 0 for none) written as primaryText, and
  // the other calendar's day as secondaryText.
  void ShowDay(int day, const char* primaryText, const char* secondaryText);
  // Shows no day.
  void Clear();
  void SetTextColor(Fl_Color color);
  // Each number's face (the Ethiopic one for Ge'ez numerals); a new one fits
  // the numbers afresh.
  void SetFonts(Fl_Font primaryFont, Fl_Font secondaryFont);
  // A day outside the calendars' span shows its numbers greyed and takes no click.
  void SetInSpan(bool inSpan);
  // Keeps the day shown now, which is the day a click picks, whatever the
  // click's release brings about first.
  void RecordPress();
  // Keeps the two numbers in proportion to the cell, and whole.
  void resize(int x, int y, int w, int h) override;
  void draw() override;

  // The widest day number in digits, what a field keeps of its width round
  // its text, and the smallest size a number is drawn at to be read.
  static constexpr const char* kWidestNumber = "30";
  static constexpr int kTextInsets = kFieldTextInsets;
  static constexpr int kSmallestInk = 10;  // pixels from a numeral's top to its foot
  // The widest day number a field in font may show: in the Ethiopic face, of
  // 1 to 31 in Ge'ez numerals; else in digits.
  static const std::string& WidestNumber(Fl_Font font);
  // The smallest size at which that number's ink is kSmallestInk tall.
  static Fl_Fontsize ReadableSize(Fl_Font font);

  Fl_Callback* clickCallback = nullptr;
  // The base calendar's day the cell shows, whatever script writes it; 0 for none.
  int day = 0;  // [0, 31]
  // The day the cell showed when the mouse went down on it; 0 for none.
  int pressedDay = 0;
  bool doubleClick = false;  // that press was a double-click's second
  Fl_Output* primary;
  Fl_Output* secondary;
  Fl_Button* hitButton;

 private:
  void FitNumbers();
  void PlaceInCorner(Fl_Fontsize size);
  struct Ink {
    int top, bottom;
  };
  static Ink InkOf(Fl_Font font, Fl_Fontsize size, int fieldY, int fieldH);
  static int InkHeight(const Fl_Output* field, Fl_Fontsize size);
  Fl_Fontsize BaseSize(Fl_Fontsize largest, Fl_Fontsize smallest) const;
  static Fl_Fontsize FittingSize(const Fl_Output* field, int width, int height, Fl_Fontsize largest,
                                 Fl_Fontsize smallest);
  static void cb_hit(Fl_Widget* button, void* data);

  bool fitted = false;
};
