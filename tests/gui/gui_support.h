#pragma once

#include <gtest/gtest.h>  // before any toolkit header: Xlib's Bool breaks it

#include <FL/Fl.H>

#include <string>
#include <vector>

#include "fixed_clock.h"
#include "test_files.h"

struct Question;
class CalendarUi;
class Fl_Group;
class Fl_Menu_Bar;
class Fl_Widget;
class Fl_Window;

// Stands in for the toolkit's timeouts behind a timer seam (the clocks'
// ticks, the main window's midnight): every armed timeout is kept, so a test
// sees how many are pending and when each is due, and runs them itself.
struct PendingTimeout {
  Fl_Timeout_Handler handler;
  void* data;
  double seconds;
};
extern std::vector<PendingTimeout> pendingTimeouts;
void ArmRecorded(double seconds, Fl_Timeout_Handler handler, void* data);
void CancelRecorded(Fl_Timeout_Handler handler, void* data);
// Lets the fixed clock run to the earliest pending timeout, late by
// lateness, and runs it.
void RunNextTimeout(double lateness = 0);

// Runs the toolkit's pending work (redraws, deferred deletions) without waiting.
void Settle();
// Puts an xdg-open stand-in first on PATH, kept in folder, that adds each
// target it is given to folder/opened and lingers, as a browser would, so a
// test sees whether the program waits for it. Returns the PATH it replaced.
std::string InstallOpener(const std::string& folder);
// What the stand-in in folder was asked to open, once it has had a second to start.
std::string OpenedIn(const std::string& folder);

// Events as a person sends them, through the toolkit's dispatch, to the
// shown window that holds the widget.
void Press(Fl_Widget* widget);  // the left button goes down at its centre
void Release(Fl_Widget* widget);
void Click(Fl_Widget* widget);
// The left button pressed and released x, y pixels into the widget.
void ClickAt(Fl_Widget* widget, int x, int y);
// The left button pressed fromX pixels into the widget, dragged dx pixels
// along its middle line and let go there.
void Drag(Fl_Widget* widget, int fromX, int dx);
void DoubleClick(Fl_Widget* widget);  // a click, then a second one the toolkit counts as its double
// The wheel turned by dy notches over the widget's centre (dy > 0: towards the user).
void Wheel(Fl_Widget* widget, int dy, int state = 0);
// One key pressed and released; text is what the key types, if anything.
void TypeKey(Fl_Widget* inWindow, int key, int state = 0, const char* text = "");
// Printable characters, key by key.
void TypeText(Fl_Widget* inWindow, const char* text);
// A click into the text field, Ctrl+A to select what it holds, and text typed over it.
void TypeOver(Fl_Widget* field, const char* text);
// Runs action(data) once the next modal loop (a menu, an alert) is waiting.
void WhenModal(void (*action)(void*), void* data = nullptr);

// Shows the main window as the program starts it, with no arguments.
void ShowMainWindow(CalendarUi& ui);
// The shown window with this title, or nullptr; how many windows are shown.
Fl_Window* ShownWindow(const char* label);
int ShownWindows();

// What the program would have told the user, in order, once
// Dialogs::alert = RecordAlert.
extern std::vector<std::string> alerts;
void RecordAlert(const char* message);
// The colours (0xRRGGBB, row by row) of the window's rectangle as drawn
// now; a new window is drawn only after the server's first expose.
std::vector<int> DrawnColours(Fl_Window* window, int x, int y, int w, int h);
int ColourAt(Fl_Window* window, int x, int y);
int Rgb(Fl_Color colour);  // a toolkit colour as 0xRRGGBB
// The menu bar among the window's children, or nullptr.
Fl_Menu_Bar* MenuBarOf(const Fl_Group* window);
// The index of the answer labelled name, failing the test (and giving the
// cancel) when the question offers none.
std::size_t AnswerNamed(const Question& question, const char* name);
