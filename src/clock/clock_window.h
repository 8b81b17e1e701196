#pragma once

#include <FL/Fl_Output.H>
#include <FL/Fl_Window.H>

#include "clock/reckoning_clock.h"

// A window with the time in both reckonings, each as a face and a reading
// copied from it. Once closed it stops its timer and frees itself.
class ClockWindow {
 public:
  ClockWindow();
  ~ClockWindow();

  void Show();
  static void RefreshTimer(void* data);
  void RefreshTexts();
  // "%02d:%02d:%02d" in a static buffer that the next call overwrites.
  static const char* TimeText(const Fl_Clock_Output* clock);

  Fl_Window* window;
  ReckoningClock* habishaClock;
  Fl_Output* habishaText;
  ReckoningClock* farenjiClock;
  Fl_Output* farenjiText;

 private:
  static void cb_close(Fl_Widget* window, void* data);
};

// Builds and shows a new clock window.
void OpenClockWindow();
