#include <FL/Fl.H>

#include "mainwin/calendar_ui.h"

// The window program: the main window, shown with the command line (the
// toolkit's options), and the event loop until its last window closes.
int main(int argc, char** argv) {
  CalendarUi ui;
  ui.show(argc, argv);
  return Fl::run();
}
