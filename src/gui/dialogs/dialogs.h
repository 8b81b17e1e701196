#pragma once

#include <string>

// The program's dialogs, below every window that raises one. Tests put
// recorders here, so no test blocks on a modal window.
struct Dialogs {
  // Shows a message the user must see: titled with the program's name and
  // wrapped to kAlertWidth.
  static void (*alert)(const char* message);
  // Asks where to save a file, under a title that says what it holds,
  // offering a name, in the folder used last (the home folder at first);
  // "" when the user cancels.
  static std::string (*choose_file)(const char* title, const char* suggested);
  // Asks a yes-or-no question before something that cannot be undone; true
  // for yes.
  static bool (*confirm)(const char* question);
};

// What a file chooser's answer means (shown as the toolkit's choosers return
// it: 0 chosen, 1 cancelled, -1 failed): the file chosen, whose folder the
// next choice opens in; "" for a cancel, and for a failure once the user has
// been told why.
std::string ChoiceMade(int shown, const char* file, const char* error);

// The toolkit's alert, titled with the program's name and wrapped: the
// default of Dialogs::alert.
void ShowAlert(const char* message);

// text as the toolkit draws it in a label, tooltip or message: every '@'
// doubled, so that a name with one is not read as a symbol.
std::string WithoutSymbols(const std::string& text);

// About the width at which an alert's lines wrap, so that it fits a small screen.
constexpr int kAlertWidth = 600;

// text with its lines broken at spaces (or, in a word longer than a line,
// after a '/' or anywhere) so that none is wider than width by measure.
std::string WrapText(const std::string& text, int width, int (*measure)(const std::string& line));
