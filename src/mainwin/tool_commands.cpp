#include "mainwin/tool_commands.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <vector>

#include "dialogs/dialogs.h"
#include "export/holiday_export.h"
#include "export/page_output.h"

void OutputHtml(DatePair date, CalendarKind base, PageLists lists) {
  HtmlExporter page(date, base, lists.holidays);
  page.fastsShown = lists.fasts;
  page.saintsShown = lists.saints;
  page.geezNumerals = lists.geez;
  page.userDays = lists.userDays;
  SaveAndOpenPage(page, Dialogs::alert);
}

void ExportHolidays(int year, CalendarKind kind) {
  const std::string file = Dialogs::choose_file(HolidayFileName(year, kind).c_str());
  std::string why;
  if (!file.empty() && !SaveHolidayCalendar(year, kind, file, &why)) Dialogs::alert(why.c_str());
}

void CloseEveryWindow() {
  std::vector<Fl_Window*> shown;
  for (Fl_Window* window = Fl::first_window(); window; window = Fl::next_window(window)) shown.push_back(window);
  for (Fl_Window* window : shown) window->do_callback();
}
