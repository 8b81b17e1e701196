#pragma once

#include <FL/Fl_Output.H>
#include <FL/Fl_Window.H>

#include <string>

#include "gui/clock/reckoning_clock.h"
#include "core/locale/language_names.h"

// A window with the time in both reckonings, each as a face and a reading
// copied from it in the face's own tick. The faces take the room the window
// is resized to; the labels and readings grow with it. Once closed it frees
// itself.
class ClockWindow {
 public:
  // With Ge'ez numerals in style, the Habisha reading's hour is in Ge'ez.
  explicit ClockWindow(TextStyle style = {});
  ~ClockWindow();

  void Show();
  // "%02d:%02d:%02d" in a static buffer that the next call overwrites.
  static const char* TimeText(const Fl_Clock_Output* clock);
  // The same with the hour in Ge'ez numerals, which have no zero: the
  // Ethiopian hour 0 is the twelfth, ፲፪; the minutes and seconds keep their digits.
  static std::string GeezTimeText(const Fl_Clock_Output* clock);
  // The faces' readers: the Farenji one writes its time into the Fl_Output
  // text; the Habisha one, given the window, its time, and the part of the
  // day, as `now` names it, under the face's name.
  static void CopyReading(const ReckoningClock* clock, void* text);
  static void CopyHabishaReading(const ReckoningClock* clock, void* window);

  // How the window's size and place are kept between runs, under its name:
  // the program's choices give both; with none set, nothing is kept.
  struct PlaceKeeping {
    void (*save)(const char* name, const Fl_Window& window);
    void (*restore)(const char* name, Fl_Window* window);
  };
  static PlaceKeeping keepPlace;

  Fl_Window* window;
  ReckoningClock* habishaClock;
  Fl_Output* habishaText;
  ReckoningClock* farenjiClock;
  Fl_Output* farenjiText;

 private:
  TextStyle style;
  void LayOut(double scale);
  static void cb_close(Fl_Widget* window, void* data);
};

// Builds and shows a new clock window.
void OpenClockWindow(TextStyle style = {});
