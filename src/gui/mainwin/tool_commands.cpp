#include "gui/mainwin/tool_commands.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <unistd.h>

#include "gui/dialogs/dialogs.h"
#include "core/export/holiday_export.h"
#include "gui/desktop/page_output.h"
#include "core/locale/translation.h"
#include "core/remind/due.h"

void OutputHtml(DatePair date, CalendarKind base, PageLists lists) {
  HtmlExporter page(date, base, lists.holidays);
  page.fastsShown = lists.fasts;
  page.saintsShown = lists.saints;
  page.geezNumerals = lists.geez;
  page.userDays = lists.userDays;
  SaveAndOpenPage(page, Dialogs::alert);
}

namespace {

// Whether each holiday and fast written gets a reminder, and which: the
// church's evening before, as the reminders of the fasts come, or the
// morning of the day, as a new day of the user's is told. False for Cancel.
bool AskReminders(std::vector<Reminder>* reminders) {
  enum { kNone, kEvening, kMorning, kCancel };
  const std::size_t answer = Dialogs::ask(
      {Tr("Remind of each holiday and fast in the file: not at all, the evening before at 18:00, or on its morning?"),
       {N_("None"), N_("Evening"), N_("Morning"), N_("Cancel")}, kNone, kCancel});
  if (answer == kEvening) *reminders = {Reminder{1, kChurchEveMinute}};
  if (answer == kMorning) *reminders = DefaultReminders(Repeat::kOnce);
  return answer != kCancel;
}

}  // namespace

// The chooser asked before replacing the name it was given; a name that
// gained its extension here is asked about here.
void ExportHolidays(HolidayExport what) {
  if (!AskReminders(&what.reminders)) return;
  const std::string chosen = Dialogs::choose_file(HolidayExportTitle(what).c_str(), HolidayFileName(what).c_str());
  if (chosen.empty()) return;
  const std::string file = WithIcsExtension(chosen);
  if (file != chosen && access(file.c_str(), F_OK) == 0 &&
      !Confirmed(Filled(Tr("%s already exists. Replace it?"), {file}), N_("Replace"))) {
    return;
  }
  std::string why;
  if (!SaveHolidayCalendar(what, file, &why)) Dialogs::alert(why.c_str());
}

namespace {

int ShownCount() {
  int count = 0;
  for (Fl_Window* window = Fl::first_window(); window; window = Fl::next_window(window)) ++count;
  return count;
}

}  // namespace

// The first window still shown, again and again: a callback may free its
// window, close others with it, or ask the user and run the event loop, so
// no window is held across one. A window that stays ends the round.
void CloseEveryWindow() {
  for (Fl_Window* window = Fl::first_window(); window; window = Fl::first_window()) {
    const int before = ShownCount();
    window->do_callback();
    if (ShownCount() >= before) return;  // the user chose to stay
  }
}
