// The program as an ordinary user meets it on the desktop: what it hands the
// opener, where the page is saved, what a failed save tells, which help page
// opens (the windows' class is checked end to end). Run as an ordinary user
// (tests/run_as_user.sh), since root writes into read-only folders.
#include "desktop_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Menu_Bar.H>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "about/about_window.h"
#include "calendar/holidays.h"
#include "days/user_day.h"
#include "export/holiday_export.h"
#include "export/html_exporter.h"
#include "export/page_output.h"
#include "identity/program_identity.h"
#include "identity/zelmora_version.h"
#include "mainwin/tool_commands.h"
#include "platform/display_without_input_method.h"
#include "platform/folders.h"
#include "platform/shell_open.h"
#include "reference_dates.h"

namespace {

const std::string kHead =
    "<html lang='en'><head><meta content='text/html; charset=UTF-8' http-equiv='content-type'>"
    "<title>Zelmora</title></head><body><img src='vemra.jpg' align='right'/><h1>"
    "<img src='tolun.jpg' align='bottom'/>" + std::string(kVersionText) + "</h1>";
// The footer links the home page, when the build names one.
const std::string kTail = kHasHomePage ? std::string("<hr><i><a href=") + kHomePageUrl + ">" + kHomePageUrl +
                                             "</a></i></body></html>"
                                       : "<hr></body></html>";

TEST_F(Desktop, ShellOpenHandsOnTheRightUriAndDoesNotWait) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ShellOpen("index_e.htm"), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(Opened(), FileUri("index_e.htm"));
  EXPECT_EQ(ShellTarget("https://zelmora.example.org/"), "https://zelmora.example.org/");
  EXPECT_EQ(ShellTarget("/a b/c%d.htm"), "file:///a%20b/c%25d.htm");
}

// An opener that fails, or that cannot run, is told as a missing one is,
// once it has exited; one that succeeds, or lingers as a browser does, is not.
TEST_F(Desktop, FailingOpenerIsTold) {
  const struct {
    const char* script;
    bool told;
  } kOpeners[] = {
      {"#!/bin/sh\necho no method available >&2\nexit 3\n", true},
      {"#!/nowhere/sh\n", true},
      {"#!/bin/sh\nkill -9 $$\n", true},
      {"#!/bin/sh\nexit 0\n", false},
      {"#!/bin/sh\nsleep 3\n", false},
  };
  Dialogs::alert = RecordAlert;
  for (const auto& o : kOpeners) {
    std::ofstream(openerFolder + "/xdg-open") << o.script;
    alerts.clear();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(OpenOrTell("index_e.htm", Dialogs::alert)) << o.script;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << o.script;
    // The alert comes from the event loop; a second is ample for the stand-in.
    for (int i = 0; i < 10 && alerts.empty(); ++i) Fl::wait(0.1);
    ASSERT_EQ(alerts.size(), o.told ? 1u : 0u) << o.script;
    if (o.told) {
      EXPECT_NE(alerts[0].find("No program could open index_e.htm."), std::string::npos) << alerts[0];
    }
  }
}

// The installed help page in each language the window speaks, as Tool > Amharic sets it.
const struct {
  bool amharic;
  const char* page;
  const char* line;  // the About window's line that leads to it
} kHelpPages[] = {
    {false, "index_e.htm", "The help page installed with Zelmora"},
    {true, "index_a.htm", "ከዜልሞራ ጋር የተጫነው የእገዛ ገጽ"},
};

std::string InstalledPage(const char* page) { return std::string(ZELMORA_BUILD_DIR "/share/zelmora/") + page; }

// Help > Website, and a click on the About window's home-page line.
// Without a home page both lead to the installed help page in the window's
// language, and the About window's line says so, the page's whole name in
// its tooltip.
TEST_F(Desktop, HomePageFromTheMenuAndTheAboutWindow) {
  CalendarUi ui;
  ui.set_defaults();
  for (const auto& h : kHelpPages) {
    if (h.amharic) MenuBarOf(ui.main_window)->picked(ui.amharic_item);
    const std::string target = kHasHomePage ? kHomePageUrl : InstalledPage(h.page);
    const std::string opened = (kHasHomePage ? target : "file://" + target) + "\n";
    ForgetOpened();
    OpenWebsite();
    EXPECT_EQ(Opened(), opened);
    ForgetOpened();
    AboutWindow about;
    about.Show();
    Settle();
    EXPECT_STREQ(about.homePageBox->label(), kHasHomePage ? kHomePageUrl : h.line);
    EXPECT_EQ(std::string(about.homePageBox->tooltip()), target);
    Click(about.homePageBox);
    EXPECT_EQ(Opened(), opened);
  }
  MenuBarOf(ui.main_window)->picked(ui.amharic_item);
}

// F1 opens the installed page of the window's language, whatever the
// current folder holds.
TEST_F(Desktop, F1OpensTheHelpContents) {
  CalendarUi ui;
  ShowMainWindow(ui);
  for (const auto& h : kHelpPages) {
    std::ofstream(h.page) << "not the program's";
    if (h.amharic) MenuBarOf(ui.main_window)->picked(ui.amharic_item);
    ForgetOpened();
    TypeKey(ui.main_window, FL_F + 1);
    EXPECT_EQ(Opened(), "file://" + InstalledPage(h.page) + "\n");
  }
  MenuBarOf(ui.main_window)->picked(ui.amharic_item);
  // A file that no data folder holds is looked for in the current folder last.
  std::ofstream("only-here.htm") << "a page of the user's";
  EXPECT_EQ(FindDataFile("only-here.htm"), folder + "/only-here.htm");
  ui.main_window->hide();
}

// The chooser the program starts with, before any test stands in for it.
const auto kToolkitChooser = Dialogs::choose_file;
// How long a modal window may stay open in a test before it is closed for it, in seconds.
constexpr double kModalPatience = 5;

void (*const kNoAlert)(const char*) = [](const char* message) { ADD_FAILURE() << "alert: " << message; };

TEST_F(Desktop, ExportWritesThePageAndOpensIt) {
  std::ofstream("output.htm") << "an older, longer page that must not survive in part";
  const HtmlExporter exporter(DatePair(2000, 13, 3, Ethiopian), Ethiopian);
  EXPECT_TRUE(HtmlExporter(exporter).Save().saved);
  EXPECT_EQ(Opened(), "");  // saving alone opens nothing
  SaveAndOpenPage(exporter, kNoAlert);
  const std::string page = ReadFile("output.htm");
  EXPECT_EQ(page.rfind(kHead, 0), 0u);
  EXPECT_EQ(page.substr(page.size() - kTail.size()), kTail);
  EXPECT_EQ(Opened(), FileUri("output.htm"));
  EXPECT_EQ(std::system("ls | grep -q 'output.htm.'"), 256);  // no temporary file left
}

std::string offeredTitle;
std::string offeredName;
std::string chosenPath;
std::string ChooseStandIn(const char* title, const char* suggested) {
  offeredTitle = title;
  offeredName = suggested;
  return chosenPath;
}
bool replaceAnswer = false;
std::vector<std::string> askedToReplace;
bool AnswerReplace(const char* question) {
  askedToReplace.push_back(question);
  return replaceAnswer;
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
  Dialogs::confirm = AnswerReplace;
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
  } kRows[] = {
      {"mine", Ethiopian, false, nullptr, false, "mine.ics", "Holidays of the Ethiopian year 2001", 0},
      {"mine.ICS", Ethiopian, true, nullptr, false, "mine.ICS", "Holidays and fasting periods of the Ethiopian year 2001", 7},
      {"mine.txt", Gregorian, true, nullptr, false, "mine.txt.ics", "Holidays and fasting periods of the Gregorian year 2008", 7},
      {"kept", Ethiopian, false, "kept.ics", false, nullptr, "Holidays of the Ethiopian year 2001", 0},
      {"gone", Gregorian, false, "gone.ics", true, "gone.ics", "Holidays of the Gregorian year 2008", 0},
  };
  for (const auto& r : kRows) {
    if (ui.base_kind != r.base) ui.toggle_base();
    if (ui.show_fasts != r.fasts) MenuBarOf(ui.main_window)->picked(ui.fasts_item);
    askedToReplace.clear();
    replaceAnswer = r.replace;
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
  } kRows[] = {
      {&days, 10, "Holidays of the Ethiopian year 2001, with my days"},  // Hdar to Nehase: Pagume has no 20th
      {nullptr, 0, "Holidays of the Ethiopian year 2001"},
  };
  for (const auto& r : kRows) {
    const HolidayExport what{2001, Ethiopian, false, r.shown};
    std::string why;
    ASSERT_TRUE(SaveHolidayCalendar(what, folder + "/mine.ics", &why)) << why;
    const std::string ics = ReadFile(folder + "/mine.ics");
    EXPECT_EQ(Count(ics, "SUMMARY:Abebe\r\n"), r.events) << r.title;
    EXPECT_EQ(Count(ics, "END:VCALENDAR\r\n"), 1) << r.title;
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

TEST_F(Desktop, PageLandsWhereTheUserCanWriteWithItsPictures) {
  const struct {
    const char* where;
    const char* start;  // the folder the program runs in
    mode_t mode;
    bool removed;
    const char* dataHome;  // $XDG_DATA_HOME, if set
    const char* landing;   // where the page must land
    bool pictureThere;     // a tolun.jpg of the user's own is there already
    bool fasts;            // Tool > Fasting days picked first
  } kCases[] = {
      {"a writable current folder", "home", 0755, false, nullptr, "home", true, false},
      {"the menu entry's folder, which is root's", "ro", 0555, false, nullptr, "home/.local/share/zelmora", false, false},
      {"a current folder removed since", "gone", 0755, true, "xdg", "xdg/zelmora", true, false},
      {"with the fasting days shown", "home", 0755, false, nullptr, "home", true, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.where);
    const std::string start = root + "/" + c.start;
    const std::string landing = root + "/" + c.landing;
    mkdir(start.c_str(), 0755);
    ASSERT_EQ(chdir(start.c_str()), 0);
    chmod(start.c_str(), c.mode);
    if (c.removed) {
      ASSERT_EQ(rmdir(start.c_str()), 0);
    }
    if (c.dataHome) setenv("XDG_DATA_HOME", (root + "/" + c.dataHome).c_str(), 1);
    if (c.pictureThere) {
      ASSERT_EQ(std::system(("mkdir -p " + landing + " && echo mine > " + landing + "/tolun.jpg").c_str()), 0);
    }
    ForgetOpened();

    FixClock(2008, 11, 29, 9, 0, 0);
    CalendarUi ui;
    ui.set_defaults();
    ui.refresh();
    if (c.fasts) MenuBarOf(ui.main_window)->picked(ui.fasts_item);
    OutputHtml(ui);

    const std::string page = ReadFile(landing + "/output.htm");
    EXPECT_NE(page.find("<font size=+3><span lang='am'>ህዳር</span>, 2001</font>"), std::string::npos);
    EXPECT_EQ(page.find("Tsome Nebiyat") != std::string::npos, c.fasts);
    const std::string kJpeg = "\xFF\xD8\xFF";
    EXPECT_EQ(ReadFile(landing + "/vemra.jpg").substr(0, 3), kJpeg);
    EXPECT_EQ(ReadFile(landing + "/tolun.jpg").substr(0, 3), c.pictureThere ? "min" : kJpeg);  // the user's is kept
    EXPECT_EQ(Opened(), "file://" + landing + "/output.htm\n");
    EXPECT_TRUE(alerts.empty());
  }
}

TEST_F(Desktop, NowhereToSaveBringsAnAlertAndOpensNothing) {
  const std::string current = MakeFolder("ro", 0555);
  setenv("XDG_DATA_HOME", MakeFolder("ro-data", 0555).c_str(), 1);
  ASSERT_EQ(chdir(current.c_str()), 0);
  CalendarUi ui;
  ui.set_defaults();
  ui.refresh();
  const std::size_t descriptors = OpenDescriptors();
  OutputHtml(ui);
  EXPECT_EQ(OpenDescriptors(), descriptors);
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0], "output.htm could not be saved in " + current + " (Permission denied) nor in " + root +
                           "/ro-data/zelmora (Permission denied).");
  EXPECT_EQ(Opened(), "");
}

// With no program on PATH that opens pages, each command says what could not
// be opened and where it is.
TEST_F(Desktop, NoOpenerIsTold) {
  ASSERT_EQ(chdir(home.c_str()), 0);
  setenv("PATH", MakeFolder("empty").c_str(), 1);
  CalendarUi ui;
  ui.set_defaults();
  const struct {
    void (*command)(CalendarUi&);
    std::string named;
  } kCommands[] = {
      {[](CalendarUi&) { OpenHelpContents(); }, InstalledPage("index_e.htm")},
      {[](CalendarUi&) { OpenWebsite(); }, WebsiteTarget()},
      {OutputHtml, home + "/output.htm"},
  };
  for (const auto& c : kCommands) {
    alerts.clear();
    c.command(ui);
    ASSERT_EQ(alerts.size(), 1u) << c.named;
    EXPECT_EQ(alerts[0], "No program could open " + c.named +
                             ". Install one that opens web pages (xdg-utils and a browser), or open it by hand.");
  }
  // In Amharic the whole sentence comes from the catalog, the name in its place.
  MenuBarOf(ui.main_window)->picked(ui.amharic_item);
  alerts.clear();
  OpenWebsite();
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0].rfind(std::string("ይህን የሚከፍት ፕሮግራም አልተገኘም፦ ") + WebsiteTarget() + "። ", 0), 0u) << alerts[0];
  MenuBarOf(ui.main_window)->picked(ui.amharic_item);
}

}  // namespace

// The window opens its display with no input method, but programs it starts
// later (a browser, the help) inherit XMODIFIERS exactly as it was, or unset.
TEST(Display, OpenedWithoutInputMethodLeavesTheEnvironment) {
  const char* const kInherited[] = {nullptr, "", "@im=ibus"};
  for (const char* inherited : kInherited) {
    if (inherited) {
      setenv("XMODIFIERS", inherited, 1);
    } else {
      unsetenv("XMODIFIERS");
    }
    OpenDisplayWithoutInputMethod();
    const char* now = std::getenv("XMODIFIERS");
    EXPECT_EQ(now == nullptr, inherited == nullptr);
    if (now && inherited) {
      EXPECT_STREQ(now, inherited);
    }
  }
  unsetenv("XMODIFIERS");
}
