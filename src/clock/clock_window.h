#pragma once

#include <FL/Fl_Output.H>
#include <FL/Fl_Window.H>

#include "clock/reckoning_clock.h"

// A window with the time in both reckonings, each as a face and a reading
// copied from it in the face's own tick. The faces take the room the window
// is resized to; the labels and readings grow with it. Once closed it frees
// itself.
class ClockWindow {
 public:
  ClockWindow();
  ~ClockWindow();

  void Show();
  // "%02d:%02d:%02d" in a static buffer that the next call overwrites.
  static const char* TimeText(const Fl_Clock_Output* clock);
  // A face's reader: writes its time into the Fl_Output text.
  static void CopyReading(const ReckoningClock* clock, void* text);

  Fl_Window* window;
  ReckoningClock* habishaClock;
  Fl_Output* habishaText;
  ReckoningClock* farenjiClock;
  Fl_Output* farenjiText;

 private:
  void LayOut(double scale);
  static void cb_close(Fl_Widget* window, void* data);
};

// Builds and shows a new clock window.
void OpenClockWindow();
