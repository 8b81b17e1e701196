#include <FL/Fl.H>

#include "gui/mainwin/calendar_ui.h"
#include "gui/desktop/display_without_input_method.h"

// The window program: the main window, shown with the command line (the
// toolkit's options, read before the display opens), and the event loop until
// its last window closes.
int main(int argc, char** argv) {
  Fl::args(argc, argv);
  OpenDisplayWithoutInputMethod();
  CalendarUi ui;
  ui.show(argc, argv);
  return Fl::run();
}
