#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "about/about_window.h"
#include "calendar/holidays.h"
#include "church/fasts.h"
#include "export/holiday_calendar.h"
#include "export/html_exporter.h"
#include "export/page_output.h"
#include "identity/program_identity.h"
#include "dialogs/dialogs.h"
#include "mainwin/calendar_ui.h"
#include "mainwin/tool_commands.h"
#include "pictures/images.h"
#include "platform/folders.h"
#include "platform/shell_open.h"

namespace {

const std::string kHead =
    "<html lang='am'><head><meta content='text/html; charset=UTF-8' http-equiv='content-type'>"
    "<title>Zelmora</title></head><body><img src='vemra.jpg' align='right'/><h1>"
    "<img src='tolun.jpg' align='bottom'/>Zelmora Ver.1.5.2</h1>";
const std::string kTail = "<hr><i><a href=https://zelmora.example.org/>https://zelmora.example.org/</a></i></body></html>";

// Each test gets a folder of its own, with a name that needs quoting, and an
// xdg-open stand-in first on PATH that records what it was asked to open.
class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    // The stand-in records in a folder of its own: a test may make this one read-only.
    ASSERT_EQ(mkdir(openerFolder.c_str(), 0755), 0);
    oldPath = InstallOpener(openerFolder);
    // The user's data folder, where a page goes that cannot be saved here.
    ASSERT_EQ(mkdir((folder + "/data").c_str(), 0755), 0);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", oldPath.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
  }
  std::string Opened() const { return OpenedIn(openerFolder); }
  std::string FileUri(const std::string& name) const {
    std::string encoded = folder;
    for (std::size_t at; (at = encoded.find(' ')) != std::string::npos;) encoded.replace(at, 1, "%20");
    return "file://" + encoded + "/" + name + "\n";
  }
  ScratchFolder scratch;
  const std::string folder = scratch.path + "/pages here";
  const std::string openerFolder = scratch.path + "/opener";
  std::string oldPath;
};

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

// Help > Website, and a click on the About window's home-page line.
TEST_F(Desktop, HomePageFromTheMenuAndTheAboutWindow) {
  OpenWebsite();
  EXPECT_EQ(Opened(), std::string(kHomePageUrl) + "\n");
  unlink((openerFolder + "/opened").c_str());
  AboutWindow about;
  about.Show();
  Settle();
  Click(about.homePageBox);
  EXPECT_EQ(Opened(), std::string(kHomePageUrl) + "\n");
}

TEST_F(Desktop, F1OpensTheHelpContents) {
  CalendarUi ui;
  ShowMainWindow(ui);
  std::ofstream("index_e.htm") << "not the program's";
  TypeKey(ui.main_window, FL_F + 1);
  EXPECT_EQ(Opened(), "file://" + FindDataFile("index_e.htm") + "\n");
  EXPECT_EQ(FindDataFile("index_e.htm").find(folder), std::string::npos);
  ui.main_window->hide();
}

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
bool replaceAnswer = false;
std::vector<std::string> askedToReplace;
bool AnswerReplace(const char* path) {
  askedToReplace.push_back(path);
  return replaceAnswer;
}
std::string ChooseStandIn(const char* title, const char* suggested) {
  offeredTitle = title;
  offeredName = suggested;
  return chosenPath;
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
  Dialogs::alert = RecordAlert;
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
  Dialogs::confirm_replace = AnswerReplace;
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
    EXPECT_EQ(askedToReplace.size(), r.existing ? 1u : 0u) << r.typed;
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

// The UIDs of one Ethiopian year's file, by summary, and its product id.
std::map<std::string, std::string> UidsOf(int year, std::string* productId) {
  std::string ics, why;
  const auto fasts = ReckonChurchYear(year).fasts;
  EXPECT_TRUE(HolidayCalendar(HolidaysOfEthiopianYear(year), {fasts.begin(), fasts.end()}, &ics, &why)) << why;
  std::map<std::string, std::string> uids;
  std::istringstream lines(ics);
  std::string uid;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("PRODID:", 0) == 0) *productId = line.substr(7);
    if (line.rfind("UID:", 0) == 0) uid = line.substr(4);
    if (line.rfind("SUMMARY:", 0) == 0) uids[line.substr(8)] += uid;  // a holiday met twice in a year keeps both
  }
  return uids;
}

// A calendar program that imports the file again updates its events rather
// than doubling them, and keeps last year's apart from this year's.
TEST(HolidayCalendarFile, UidsStableAndApartAcrossYears) {
  std::string productId;
  FixClock(2008, 11, 29, 9, 0, 0);
  const auto first = UidsOf(2001, &productId);
  FixClock(2009, 3, 1, 17, 30, 0);
  EXPECT_EQ(UidsOf(2001, &productId), first);
  EXPECT_EQ(productId, std::string("-//") + kProgramName + "//" + kProgramName + " " + kVersion + "//EN");
  EXPECT_EQ(std::string(kVersionText), std::string(kProgramName) + " Ver." + kVersion);
  const auto next = UidsOf(2002, &productId);
  std::set<std::string> all;
  for (const auto& [summary, uid] : first) {
    EXPECT_TRUE(all.insert(uid).second) << summary;
    if (next.count(summary)) {
      EXPECT_NE(next.at(summary), uid) << summary;
    }
  }
  EXPECT_GT(first.size(), 25u);
}

// The fasting periods and the commemorations stand under the holidays only
// when asked for; a period is listed in every month it touches.
TEST(HtmlExport, ChurchListsOnlyWhenAsked) {
  const struct {
    DatePair month;
    CalendarKind base;
    bool fasts, saints;
    std::vector<std::string> listed, absent;
  } kPages[] = {
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, false, false, {}, {"Tsome Nebiyat", "Mikael"}},
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, true, false, {": Tsome Nebiyat - ጾመ ነቢያት</li>"}, {"Mikael", "Genna</li>"}},
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, false, true,
       {": Mikael (Michael the Archangel), Samuel and Yared - ሚካኤል፣ ሳሙኤል እና ያሬድ</li>"}, {"Tsome Nebiyat"}},
      {DatePair(2008, 12, 1, Gregorian), Gregorian, true, false, {"November 24, 2008 / ", ": Tsome Nebiyat - ጾመ ነቢያት</li>"},
       {"Gehad of Genna"}},
      {DatePair(2009, 1, 1, Gregorian), Gregorian, true, false, {"Tsome Nebiyat", "Gehad of Genna", "Gehad of Timket"},
       {"Nineveh"}},
  };
  for (const auto& p : kPages) {
    HtmlExporter exporter(p.month, p.base);
    exporter.fastsShown = p.fasts;
    exporter.saintsShown = p.saints;
    const std::string page = exporter.Build();
    for (const std::string& text : p.listed) EXPECT_NE(page.find(text), std::string::npos) << text;
    for (const std::string& text : p.absent) EXPECT_EQ(page.find(text), std::string::npos) << text;
  }
}

// Lines of at most 75 octets, folded between characters, text escaped: what
// every calendar program reads back whole.
TEST(HolidayCalendarFile, LinesFoldedAndTextEscaped) {
  std::string amharic = "a";  // so that octet 75 falls inside a character
  for (int i = 0; i < 40; ++i) amharic += "\xe1\x88\x80";  // three octets each
  const Holiday odd{CalendarDate(2008, 9, 11, Gregorian).dayNumber, "A, b; c\\d", amharic.c_str(), kPublicHoliday};
  std::string ics, why;
  ASSERT_TRUE(HolidayCalendar({odd}, {}, &ics, &why)) << why;
  std::string unfolded;
  for (std::size_t from = 0, end; (end = ics.find("\r\n", from)) != std::string::npos; from = end + 2) {
    const std::string line = ics.substr(from, end - from);
    EXPECT_LE(line.size(), 75u) << line;
    if (line[0] == ' ') {
      EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << "a character split: " << line;
      unfolded += line.substr(1);
    } else {
      unfolded += "\n" + line;
    }
  }
  EXPECT_NE(unfolded.find("\nSUMMARY:A\\, b\\; c\\\\d\n"), std::string::npos) << unfolded;
  EXPECT_NE(unfolded.find("\nDESCRIPTION:" + amharic + "\\n"), std::string::npos);
}

TEST(AboutWindow, ShowsNameVersionAndCredits) {
  const int before = ShownWindows();
  OpenAboutWindow();
  OpenAboutWindow();
  Settle();
  int about = 0;
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
    if (std::string(w->label()) != "About Zelmora") continue;
    ++about;
    auto* window = static_cast<AboutWindow*>(w->user_data());
    EXPECT_EQ(w->w(), 360);
    EXPECT_EQ(w->h(), 115);
    EXPECT_EQ(window->imageBox->image(), &image_logo);
    EXPECT_STREQ(window->titleBox->label(), "Zelmora Ver.1.5.2");
    EXPECT_EQ(window->titleBox->labelsize(), 20);
    EXPECT_EQ(window->homePageBox->labelcolor(), FL_BLUE);
    EXPECT_EQ(window->noticeBox->labelsize(), 12);
    EXPECT_EQ(w->child(5)->labelsize(), 12);
    EXPECT_EQ(std::string(w->child(4)->label()).rfind("Icon was designed by ", 0), 0u);
    EXPECT_EQ(std::string(w->child(5)->label()).rfind("Special thanks to ", 0), 0u);
  }
  EXPECT_EQ(about, 2);
  while (Fl::first_window() && std::string(Fl::first_window()->label()) == "About Zelmora") {
    Fl::handle(FL_CLOSE, Fl::first_window());  // the close button; closing frees the window
    Settle();
  }
  EXPECT_EQ(ShownWindows(), before);
}

}  // namespace
