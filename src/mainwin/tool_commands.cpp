#include "mainwin/tool_commands.h"

#include <FL/Fl.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

#include <vector>

#include "export/holiday_export.h"
#include "export/page_output.h"
#include "locale/translation.h"

namespace {

void ShowAlert(const char* message) { fl_alert("%s", Tr(message)); }

std::string ChooseFile(const char* suggested) {
  Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
  chooser.title(Tr("Export holidays"));
  chooser.filter("iCalendar\t*.ics");
  chooser.preset_file(suggested);
  chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM | Fl_Native_File_Chooser::NEW_FOLDER);
  const int result = chooser.show();
  if (result < 0) Dialogs::alert(chooser.errmsg());
  return result == 0 ? chooser.filename() : "";
}

}  // namespace

void (*Dialogs::alert)(const char* message) = ShowAlert;
std::string (*Dialogs::choose_file)(const char* suggested) = ChooseFile;

void OutputHtml(DatePair date, CalendarKind base, bool holidays) {
  SaveAndOpenPage(HtmlExporter(date, base, holidays), Dialogs::alert);
}

void ExportHolidays(int ethiopianYear) {
  const std::string file = Dialogs::choose_file(HolidayFileName(ethiopianYear).c_str());
  std::string why;
  if (!file.empty() && !SaveHolidayCalendar(ethiopianYear, file, &why)) Dialogs::alert(why.c_str());
}

void CloseEveryWindow() {
  std::vector<Fl_Window*> shown;
  for (Fl_Window* window = Fl::first_window(); window; window = Fl::next_window(window)) shown.push_back(window);
  for (Fl_Window* window : shown) window->do_callback();
}
