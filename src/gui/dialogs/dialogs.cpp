#include "gui/dialogs/dialogs.h"

#include <FL/Fl_Native_File_Chooser.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

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

// Escape, or closing the question, says no.
bool AskYesOrNo(const char* question) {
  fl_message_title(kProgramName);
  const std::string text = WithoutSymbols(WrapText(question, kAlertWidth, AlertWidth));
  return fl_choice("%s", Tr("No"), Tr("Yes"), nullptr, text.c_str()) == 1;
}

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
bool (*Dialogs::confirm)(const char* question) = AskYesOrNo;

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
