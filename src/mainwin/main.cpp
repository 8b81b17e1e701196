#include <FL/Fl.H>

#include "mainwin/calendar_ui.h"

int main(int argc, char** argv) {
  CalendarUi ui;
  ui.show(argc, argv);
  return Fl::run();
}
