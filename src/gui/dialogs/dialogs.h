#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A question and its answers, each a button named for what it does
// ("Delete", "Cancel"), never Yes or No.
struct Question {
  std::string text;
  std::vector<const char*> answers;  // marked for the catalog, left to right
  std::size_t preferred;             // under Enter, marked: the harmless answer, or the one that keeps work
  std::size_t cancel;                // under Escape and the window's close button
};

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
  // Asks the question and waits for its answer, given as the index of one.
  static std::size_t (*ask)(const Question& question);
};

// Whether the user, asked before something that cannot be undone, chose the
// action (marked, such as "Delete") over Cancel, which is the default.
bool Confirmed(const std::string& question, const char* action);

// The toolkit's modal window for a question: the default of Dialogs::ask.
std::size_t ShowQuestion(const Question& question);

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
