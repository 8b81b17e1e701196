#pragma once

#include <string>

#include "calendar/date_pair.h"

// The work behind the Tool menu and the program-wide keys, apart from the
// window that asks for it.

// The two dialogs the commands may raise; tests put recorders here, so no
// test blocks on a modal window.
struct Dialogs {
  // Shows a message the user must see.
  static void (*alert)(const char* message);
  // Asks where to save a file, offering a name; "" when the user cancels.
  static std::string (*choose_file)(const char* suggested);
};

// Tool > Output html: the month on show as a page, saved and opened.
void OutputHtml(DatePair date, CalendarKind base, bool holidays);
// Tool > Export holidays…: one Ethiopian year's holidays where the user chooses.
void ExportHolidays(int ethiopianYear);
// Ctrl+Q: each window closes as its close button would close it, so windows
// that free themselves on closing still do.
void CloseEveryWindow();
