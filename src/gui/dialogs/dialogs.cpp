#include "gui/dialogs/dialogs.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>

#include "core/identity/program_identity.h"
#include "core/locale/translation.h"

namespace {

int AlertWidth(const std::string& line) {
  fl_font(fl_message_font_, fl_message_size_ > 0 ? fl_message_size_ : FL_NORMAL_SIZE);  // -1: the usual size
  return static_cast<int>(fl_width(line.c_str()));
}

std::string& LastFolder() {
  static std::string folder = std::getenv("HOME") ? std::getenv("HOME") : "";
  return folder;
}

std::string ChooseFile(const char* title, const char* suggested) {
  Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
  chooser.title(title);
  chooser.filter("iCalendar\t*.ics");
  chooser.directory(LastFolder().c_str());
  // The toolkit's own chooser reads a bare name in the current folder, whatever
  // the directory above; GTK's takes the folder from the directory.
  chooser.preset_file((LastFolder() + "/" + suggested).c_str());
  chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM | Fl_Native_File_Chooser::NEW_FOLDER);
  const int shown = chooser.show();
  return ChoiceMade(shown, chooser.filename(), chooser.errmsg());
}

// Where the line from `from` ends: within the longest head that fits, after
// a space (which the line then drops), else after a '/', else where it must.
std::size_t BreakAt(const std::string& text, std::size_t from, int width, int (*measure)(const std::string&)) {
  std::size_t fits = from + 1;  // text[from, fits) fits
  while (fits < text.size() && measure(text.substr(from, fits + 1 - from)) <= width) ++fits;
  if (fits >= text.size()) return text.size();
  const std::size_t space = text.rfind(' ', fits);
  if (space != std::string::npos && space > from) return space + 1;
  const std::size_t slash = text.rfind('/', fits - 1);
  if (slash != std::string::npos && slash > from) return slash + 1;
  return fits;
}

constexpr int kPad = 10;
constexpr int kButtonHeight = 25;
constexpr int kButtonWidth = 90;

// A question's window: its text above a row of buttons on the right, the
// preferred one marked and under Enter; Escape and the close button cancel.
class QuestionWindow : public Fl_Window {
 public:
  explicit QuestionWindow(const Question& question)
      : Fl_Window(0, 0), text(WithoutSymbols(WrapText(question.text, kAlertWidth, AlertWidth))),
        answer(question.cancel), cancel(question.cancel) {
    int textW = 0, textH = 0;
    fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
    fl_measure(text.c_str(), textW, textH, 0);
    const int count = static_cast<int>(question.answers.size());
    const int width = std::max(textW, count * (kButtonWidth + kPad) - kPad) + 2 * kPad;
    size(width, textH + kButtonHeight + 3 * kPad);
    auto* box = new Fl_Box(kPad, kPad, width - 2 * kPad, textH, text.c_str());
    box->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_WRAP);
    int x = width - count * (kButtonWidth + kPad);
    for (std::size_t i = 0; i < question.answers.size(); ++i, x += kButtonWidth + kPad) {
      Fl_Button* button = i == question.preferred ? new Fl_Return_Button(x, h() - kPad - kButtonHeight, kButtonWidth, kButtonHeight)
                                                  : new Fl_Button(x, h() - kPad - kButtonHeight, kButtonWidth, kButtonHeight);
      button->copy_label(Tr(question.answers[i]));
      button->callback(cb_answer);
      buttons.push_back(button);
    }
    end();
    label(kProgramName);
    callback(cb_cancel);
    set_modal();
    Fl_Window* owner = Fl::first_window();
    if (owner) position(owner->x() + (owner->w() - w()) / 2, owner->y() + (owner->h() - h()) / 2);
    focused = buttons[question.preferred];
  }

  // Shows the window and runs the event loop until it is answered.
  std::size_t Run() {
    show();
    focused->take_focus();
    while (shown()) Fl::wait();
    return answer;
  }

 private:
  static void cb_answer(Fl_Widget* w, void*) {
    auto* window = static_cast<QuestionWindow*>(w->window());
    window->answer = static_cast<std::size_t>(std::find(window->buttons.begin(), window->buttons.end(), w) - window->buttons.begin());
    window->hide();
  }
  static void cb_cancel(Fl_Widget* w, void*) {
    auto* window = static_cast<QuestionWindow*>(w);
    window->answer = window->cancel;
    window->hide();
  }

  std::string text;
  std::vector<Fl_Button*> buttons;
  Fl_Widget* focused;
  std::size_t answer;
  std::size_t cancel;
};

}  // namespace

std::string ChoiceMade(int shown, const char* file, const char* error) {
  if (shown < 0) Dialogs::alert(error);
  if (shown != 0) return "";
  const std::string chosen = file;
  const std::size_t slash = chosen.rfind('/');
  if (slash != std::string::npos) LastFolder() = chosen.substr(0, slash);
  return chosen;
}

void ShowAlert(const char* message) {
  fl_message_title(kProgramName);
  fl_close = Tr("Close");  // the toolkit's button, in the windows' language
  fl_alert("%s", WithoutSymbols(WrapText(Tr(message), kAlertWidth, AlertWidth)).c_str());
}

std::string WithoutSymbols(const std::string& text) {
  std::string drawn;
  for (char c : text) drawn += c == '@' ? "@@" : std::string(1, c);
  return drawn;
}

void (*Dialogs::alert)(const char* message) = ShowAlert;
std::string (*Dialogs::choose_file)(const char* title, const char* suggested) = ChooseFile;
std::size_t (*Dialogs::ask)(const Question& question) = ShowQuestion;

std::size_t ShowQuestion(const Question& question) { return QuestionWindow(question).Run(); }

bool Confirmed(const std::string& question, const char* action) {
  enum { kAction, kCancel };
  return Dialogs::ask({question, {action, N_("Cancel")}, kCancel, kCancel}) == kAction;
}

std::string WrapText(const std::string& text, int width, int (*measure)(const std::string&)) {
  std::string wrapped;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t newline = text.find('\n', from);
    const std::size_t end = BreakAt(text, from, width, measure);
    const std::size_t cut = newline != std::string::npos && newline < end ? newline + 1 : end;
    std::string line = text.substr(from, cut - from);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\n')) line.pop_back();
    wrapped += (from == 0 ? "" : "\n") + line;
    from = cut;
  }
  return wrapped;
}
