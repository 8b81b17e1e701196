// Tool > Export holidays on an ordinary user's desktop: the file's name and
// what it holds, the user's days in it, the question before a file is
// replaced, and the folder the chooser opens in. Run as an ordinary user, as
// the desktop test is.
#include "desktop_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Menu_Bar.H>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/calendar/holidays.h"
#include "core/days/user_day.h"
#include "core/export/holiday_export.h"
#include "reference_dates.h"

namespace {

// The chooser the program starts with, before any test stands in for it.
const auto kToolkitChooser = Dialogs::choose_file;
// How long a modal window may stay open in a test before it is closed for it, in seconds.
constexpr double kModalPatience = 5;

std::string offeredTitle;
std::string offeredName;
std::string chosenPath;
std::string ChooseStandIn(const char* title, const char* suggested) {
  offeredTitle = title;
  offeredName = suggested;
  return chosenPath;
}
// The export's questions: which reminder, then whether to replace a file.
std::string reminderAnswer = "None";
bool replaceAnswer = false;
std::vector<std::string> askedToReplace;
std::size_t AnswerReplace(const Question& question) {
  if (question.text.rfind("Remind", 0) == 0) return AnswerNamed(question, reminderAnswer.c_str());
  askedToReplace.push_back(question.text);
  return replaceAnswer ? AnswerNamed(question, "Replace") : question.cancel;
}
int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST_F(Desktop, ExportHolidaysSavesTheYearShownWhereTheUserChooses) {
  FixClock(2008, 11, 29, 9, 0, 0);  // Hdar 20, 2001
  CalendarUi ui;
  ui.set_defaults();
  if (ui.base_kind != Ethiopian) ui.toggle_base();
  Dialogs::choose_file = ChooseStandIn;
  Dialogs::ask = AnswerReplace;
  Fl_Menu_Bar* bar = MenuBarOf(ui.main_window);
  const Fl_Menu_Item* item = bar->find_item("Tool/Export holidays\u2026");
  ASSERT_NE(item, nullptr);
  // the last item of the Tool menu before the two of its language and numerals
  EXPECT_STREQ(item[1].label(), "Amharic");
  EXPECT_STREQ(item[2].label(), "Ge'ez numerals");
  EXPECT_EQ(item[3].label(), nullptr);

  chosenPath = folder + "/mine.ics";
  std::ofstream(chosenPath) << "an older file";
  bar->picked(item);
  EXPECT_EQ(offeredName, "zelmora-holidays-2001.ics");
  const std::string ics = ReadFile(chosenPath);
  EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  EXPECT_EQ(Count(ics, "BEGIN:VEVENT"), static_cast<int>(HolidaysOfEthiopianYear(2001).size()));
  EXPECT_NE(ics.find("DTSTART;VALUE=DATE:20080911"), std::string::npos);  // Enkutatash
  EXPECT_TRUE(alerts.empty());

  ui.toggle_base();  // the Gregorian base offers its own year
  bar->picked(item);
  EXPECT_EQ(offeredName, "zelmora-holidays-2008-gregorian.ics");
  EXPECT_EQ(Count(ReadFile(chosenPath), "BEGIN:VEVENT"), static_cast<int>(HolidaysOfGregorianYear(2008).size()));
  EXPECT_NE(ReadFile(chosenPath).find("DTSTART;VALUE=DATE:20080107"), std::string::npos);  // Genna
  ui.toggle_base();

  chosenPath = folder + "/gone/mine.ics";  // a folder that is not there
  bar->picked(item);
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0], chosenPath + " could not be saved (No such file or directory).");

  chosenPath = "";  // cancelled
  bar->picked(item);
  EXPECT_EQ(alerts.size(), 1u);
  EXPECT_EQ(std::system("ls | grep -q 'mine.ics.'"), 256);  // no temporary file left
}

// The name typed gains ".ics" unless it has it, and a file of the amended
// name is replaced only once the user agrees; the file holds the fasting
// periods that begin in the year while Fasting days is ticked, and the
// dialog's title says so.
TEST_F(Desktop, ExportNamesTheFileAndSaysWhatItHolds) {
  FixClock(2008, 11, 29, 9, 0, 0);  // Hdar 20, 2001
  CalendarUi ui;
  ui.set_defaults();
  Dialogs::choose_file = ChooseStandIn;
  Dialogs::alert = RecordAlert;
  Dialogs::ask = AnswerReplace;
  alerts.clear();
  const struct {
    const char* typed;
    CalendarKind base;
    bool fasts;
    const char* existing;  // the amended name's file before, if any
    bool replace;
    const char* saved;  // where the calendar lands; nullptr: nowhere
    const char* title;
    int fastEvents;
    const char* reminder;  // the answer, and the trigger each event then carries
    const char* trigger;
  } kRows[] = {
      {"mine", Ethiopian, false, nullptr, false, "mine.ics", "Holidays of the Ethiopian year 2001", 0, "None", nullptr},
      {"mine.ICS", Ethiopian, true, nullptr, false, "mine.ICS", "Holidays and fasting periods of the Ethiopian year 2001", 7,
       "Evening", "TRIGGER:-PT6H\r\n"},
      {"mine.txt", Gregorian, true, nullptr, false, "mine.txt.ics", "Holidays and fasting periods of the Gregorian year 2008",
       7, "Morning", "TRIGGER:PT8H\r\n"},
      {"kept", Ethiopian, false, "kept.ics", false, nullptr, "Holidays of the Ethiopian year 2001", 0, "None", nullptr},
      {"gone", Gregorian, false, "gone.ics", true, "gone.ics", "Holidays of the Gregorian year 2008", 0, "None", nullptr},
      {"unasked", Gregorian, false, nullptr, false, nullptr, "", 0, "Cancel", nullptr},
  };
  for (const auto& r : kRows) {
    if (ui.base_kind != r.base) ui.toggle_base();
    if (ui.show_fasts != r.fasts) MenuBarOf(ui.main_window)->picked(ui.fasts_item);
    askedToReplace.clear();
    offeredTitle.clear();
    replaceAnswer = r.replace;
    reminderAnswer = r.reminder;
    if (r.existing) std::ofstream(folder + "/" + r.existing) << "an older file";
    chosenPath = folder + "/" + r.typed;
    MenuBarOf(ui.main_window)->picked(MenuBarOf(ui.main_window)->find_item("Tool/Export holidays\u2026"));
    EXPECT_EQ(offeredTitle, r.title) << r.typed;
    ASSERT_EQ(askedToReplace.size(), r.existing ? 1u : 0u) << r.typed;
    if (r.existing) {
      EXPECT_EQ(askedToReplace[0], folder + "/" + r.existing + " already exists. Replace it?");
    }
    const bool asTyped = r.saved && std::string(r.saved) == r.typed;
    EXPECT_EQ(ReadFile(chosenPath).empty(), !asTyped) << r.typed;
    if (r.existing && !r.replace) {
      EXPECT_EQ(ReadFile(folder + "/" + r.existing), "an older file");
    }
    if (!r.saved) continue;
    const std::string ics = ReadFile(folder + "/" + r.saved);
    EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\n", 0), 0u) << r.typed;
    EXPECT_EQ(Count(ics, "CATEGORIES:fast"), r.fastEvents) << r.typed;
    EXPECT_EQ(Count(ics, "BEGIN:VALARM"), r.trigger ? Count(ics, "BEGIN:VEVENT") : 0) << r.typed;
    EXPECT_EQ(Count(ics, "BEGIN:VALARM"), r.trigger ? Count(ics, r.trigger) : 0) << r.typed;
  }
  EXPECT_TRUE(alerts.empty());
}

// The user's days shown in the window go into the export, each of the
// year's dates an event of its own; hidden, they stay out.
TEST_F(Desktop, ExportCarriesTheUserDaysShown) {
  UserDay monthly;
  monthly.uid = "monthly@test";
  monthly.name = "Abebe";
  monthly.start = reference::EthiopianDay(2001, 3, 20);
  monthly.repeat = Repeat::kEthiopianMonth;
  const std::vector<UserDay> days{monthly};
  const struct {
    const std::vector<UserDay>* shown;
    int events;
    const char* title;
    Language language;
    const char* genna;  // the summary of Christmas, in the language of the titles
  } kRows[] = {
      // Hdar to Nehase: Pagume has no 20th
      {&days, 10, "Holidays of the Ethiopian year 2001, with my days", Language::kEnglish,
       "SUMMARY:Genna (Christmas)\r\n"},
      {nullptr, 0, "Holidays of the Ethiopian year 2001", Language::kAmharic, "SUMMARY:ገና\r\n"},
  };
  for (const auto& r : kRows) {
    const HolidayExport what{2001, Ethiopian, false, r.shown, r.language};
    std::string why;
    ASSERT_TRUE(SaveHolidayCalendar(what, folder + "/mine.ics", &why)) << why;
    const std::string ics = ReadFile(folder + "/mine.ics");
    EXPECT_EQ(Count(ics, "SUMMARY:Abebe\r\n"), r.events) << r.title;
    EXPECT_EQ(Count(ics, "END:VCALENDAR\r\n"), 1) << r.title;
    EXPECT_EQ(Count(ics, r.genna), 1) << r.title;
    EXPECT_EQ(ics.substr(ics.rfind("END:")), "END:VCALENDAR\r\n") << r.title;
    EXPECT_EQ(HolidayExportTitle(what), r.title);
  }
}

// The toolkit's own chooser as the export opens it: the folder it opened in,
// and the file to answer with ("" cancels, as Escape does).
struct ChooserVisit {
  std::string answer;
  std::string openedIn;
};

// Closes whatever modal window is left, so that no test waits on one.
void CloseLeftModal(void*) {
  if (Fl_Window* left = Fl::modal()) {
    ADD_FAILURE() << "a modal window was left open: " << (left->label() ? left->label() : "");
    left->hide();
  }
}

void AnswerChooser(void* data) {
  auto* visit = static_cast<ChooserVisit*>(data);
  Fl_Window* shown = Fl::modal();
  if (!shown) return;
  Fl::add_timeout(kModalPatience, CloseLeftModal);
  auto* chooser = static_cast<Fl_File_Chooser*>(shown->user_data());
  visit->openedIn = chooser->directory();
  if (visit->answer.empty()) {
    TypeKey(shown, FL_Escape);
    return;
  }
  // The name field completes as it is typed; the answer goes in whole, and Enter takes it.
  chooser->value(visit->answer.c_str());
  TypeKey(shown, FL_Enter, 0, "\r");
}

// Tool > Export holidays asks in the home folder at first, then in the
// folder the user saved in last, a cancel notwithstanding.
TEST_F(Desktop, ExportChooserOpensWhereTheUserSavedLast) {
  Fl::option(Fl::OPTION_FNFC_USES_GTK, false);  // the toolkit's own chooser, which a test can answer
  Dialogs::choose_file = kToolkitChooser;
  Dialogs::ask = AnswerReplace;
  reminderAnswer = "None";
  FixClock(2008, 11, 29, 9, 0, 0);
  CalendarUi ui;
  ui.set_defaults();
  const std::string elsewhere = MakeFolder("elsewhere");
  const struct {
    std::string answer, openedIn;
  } kVisits[] = {{elsewhere + "/mine.ics", home}, {"", elsewhere}, {"", elsewhere}};
  Fl_Menu_Bar* bar = MenuBarOf(ui.main_window);
  for (const auto& v : kVisits) {
    ChooserVisit visit{v.answer, ""};
    WhenModal(AnswerChooser, &visit);
    bar->picked(bar->find_item("Tool/Export holidays\u2026"));
    Fl::remove_timeout(CloseLeftModal);
    EXPECT_EQ(visit.openedIn, v.openedIn) << v.answer;
  }
  EXPECT_EQ(ReadFile(elsewhere + "/mine.ics").rfind("BEGIN:VCALENDAR", 0), 0u);
  EXPECT_TRUE(alerts.empty());
  // A chooser that fails says why, and leaves the folder as it was.
  EXPECT_EQ(ChoiceMade(-1, "", "Could not show the chooser"), "");
  EXPECT_EQ(alerts, std::vector<std::string>{"Could not show the chooser"});
  ChooserVisit visit;
  WhenModal(AnswerChooser, &visit);
  EXPECT_EQ(kToolkitChooser("Holidays of the Ethiopian year 2001", "again.ics"), "");
  Fl::remove_timeout(CloseLeftModal);
  EXPECT_EQ(visit.openedIn, elsewhere);
}

}  // namespace
