#include <FL/Fl.H>

#include "mainwin/calendar_ui.h"
#include "mainwin/window_main.h"

int ZelmoraWindowMain(int argc, char** argv) {
  CalendarUi ui;
  ui.show(argc, argv);
  return Fl::run();
}
