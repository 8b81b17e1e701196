#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "about/about_window.h"
#include "calendar/holidays.h"
#include "export/html_exporter.h"
#include "export/page_output.h"
#include "identity/program_identity.h"
#include "mainwin/calendar_ui.h"
#include "mainwin/tool_commands.h"
#include "pictures/images.h"
#include "platform/shell_open.h"

namespace {

const std::string kHead =
    "<html lang='am'><head><meta content='text/html; charset=UTF-8' http-equiv='content-type'>"
    "<title>Zelmora</title></head><body><img src='vemra.jpg' align='right'/><h1>"
    "<img src='tolun.jpg' align='bottom'/>Zelmora Ver.1.5.2</h1>";
const std::string kTail = "<hr><i><a href=https://zelmora.example.org/>https://zelmora.example.org/</a></i></body></html>";
const std::string kBlank = "<td>&nbsp;</td>";
const char* const kEnglish[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kAmharic[] = {"አሑድ", "ስኞ", "ማክስኞ", "ረቡዕ", "ሐሙስ", "ዓርብ", "ቅዳሜ"};

std::string Color(int weekday) { return weekday == 0 ? "red" : "black"; }

std::string Td(int base, int other, int weekday, bool publicHoliday = false) {
  const std::string c = publicHoliday ? "red" : Color(weekday);
  return "<td><font size='+3' color='" + c + "' >" + std::to_string(base) +
         "</font><div align='right'><font size='+1' color='" + c + "' >" + std::to_string(other) +
         "</font></div></td>";
}

std::string WeekdayRow(bool englishFirst) {
  std::string row = "<tr>";
  for (int w = 0; w < 7; ++w) {
    const std::string label = englishFirst ? std::string(kEnglish[w]) + "<br>" + kAmharic[w]
                                           : std::string(kAmharic[w]) + "<br>" + kEnglish[w];
    row += "<th width='14%'><font size='' color='" + Color(w) + "' >" + label + "</font></th>";
  }
  return row + "</tr>";
}

std::string Page(bool gregorianBase, const std::string& baseLine, const std::string& otherTop,
                 const std::string& otherAfter, const std::string& dayRows) {
  return kHead + "<div align='left'><font size=+3>" + baseLine + "</font></div><div align='right'><font size=+2>" +
         otherTop + "</font></div><table border=1 width='100%' cellspacing='0'>" + WeekdayRow(gregorianBase) +
         dayRows + "</table><div align='right'><font size=+2>" + otherAfter + "</font></div>" + kTail;
}

// Days base..last (other-calendar numbers from otherFirst, restarting at 1
// after otherLast), the first on weekday w; a Saturday closes its row.
std::string Days(int base, int last, int otherFirst, int otherLast, int w) {
  std::string cells;
  for (int other = otherFirst; base <= last; ++base, w = (w + 1) % 7) {
    cells += Td(base, other, w);
    if (w == 6) cells += "</tr><tr>";
    other = other == otherLast ? 1 : other + 1;
  }
  return cells;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

std::string Built(DatePair date, CalendarKind base, bool holidays = false) {
  return HtmlExporter(date, base, holidays).Build();
}

TEST(HtmlExport, PagumeOfFiveDaysFromASaturday) {
  // Pagume 1, 2000 is Saturday 6 September 2008; Pagume 5 is Wednesday the 10th.
  const std::string rows = "<tr>" + Repeat(kBlank, 6) +
                           "<td><font size='+3' color='black' >1</font><div align='right'>"
                           "<font size='+1' color='black' >6</font></div></td></tr><tr>"
                           "<td><font size='+3' color='red' >2</font><div align='right'>"
                           "<font size='+1' color='red' >7</font></div></td>" +
                           Td(3, 8, 1) + Td(4, 9, 2) + Td(5, 10, 3) + Repeat(kBlank, 3) + "</tr>";
  const std::string expected = Page(false, "ጳጉሜ, 2000", "September, 2008", "September, 2008", rows);
  EXPECT_EQ(Built(DatePair(2000, 13, 3, Ethiopian), Ethiopian), expected);
  EXPECT_EQ(Built(DatePair(2000, 13, 5, Ethiopian), Ethiopian), expected);  // any day of the month
}

TEST(HtmlExport, MonthShapes) {
  const struct {
    const char* name;
    DatePair date;
    CalendarKind base;
    std::string expected;
  } kCases[] = {
      {"February 2009: 28 days from a Sunday, ending on a Saturday",
       {2009, 2, 14, Gregorian},
       Gregorian,
       Page(true, "February, 2009", "ጥር, 2001", "የካቲት, 2001", "<tr>" + Days(1, 28, 24, 30, 0) + "</tr>")},
      {"November 2008: from a Saturday",
       {2008, 11, 29, Gregorian},
       Gregorian,
       Page(true, "November, 2008", "ጥቅምት, 2001", "ህዳር, 2001",
            "<tr>" + Repeat(kBlank, 6) + Days(1, 30, 22, 30, 6) + Repeat(kBlank, 6) + "</tr>")},
      {"Pagume 1999: six days from a Thursday",
       {1999, 13, 6, Ethiopian},
       Ethiopian,
       Page(false, "ጳጉሜ, 1999", "September, 2007", "September, 2007",
            "<tr>" + Repeat(kBlank, 4) + Days(1, 6, 6, 30, 4) + Repeat(kBlank, 4) + "</tr>")},
  };
  for (const auto& c : kCases) EXPECT_EQ(Built(c.date, c.base), c.expected) << c.name;
}

// May 2024 starts on a Wednesday, on Miazia 23, 2016. With holidays the page
// is the plain one but for its public holidays in red and the list.
TEST(HtmlExport, HolidaysRedAndListedBeforeTheFooter) {
  std::string expected = Built(DatePair(2024, 5, 5, Gregorian), Gregorian);
  for (const auto& [day, other, weekday] : {std::tuple{1, 23, 3}, {3, 25, 5}, {28, 20, 2}}) {
    const std::size_t at = expected.find(Td(day, other, weekday));
    ASSERT_NE(at, std::string::npos) << day;
    expected.replace(at, Td(day, other, weekday).size(), Td(day, other, weekday, true));
  }
  expected.insert(expected.find("<hr>"),
                  "<ul><li>May 1, 2024 / ሚያዚያ 23, 2016: International Labour Day - የሠራተኞች ቀን</li>"
                  "<li>May 3, 2024 / ሚያዚያ 25, 2016: Siklet (Good Friday) - ስቅለት</li>"
                  "<li>May 5, 2024 / ሚያዚያ 27, 2016: Patriots' Victory Day - የአርበኞች ቀን</li>"
                  "<li>May 5, 2024 / ሚያዚያ 27, 2016: Fasika (Easter) - ፋሲካ</li>"
                  "<li>May 28, 2024 / ግንቦት 20, 2016: Downfall of the Derg - ደርግ የወደቀበት ቀን</li>"
                  "<li>May 29, 2024 / ግንቦት 21, 2016: Rikbe Kahnat - ርክበ ካህናት</li></ul>");
  EXPECT_EQ(Built(DatePair(2024, 5, 5, Gregorian), Gregorian, true), expected);
}

// Each test gets a folder of its own, with a name that needs quoting, and an
// xdg-open stand-in first on PATH that records what it was asked to open.
class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/zelmora test XXXXXX";
    folder = mkdtemp(pattern);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    // The stand-in records in a folder of its own: a test may make this one read-only.
    openerFolder = folder + " opener";
    ASSERT_EQ(mkdir(openerFolder.c_str(), 0755), 0);
    oldPath = InstallOpener(openerFolder);
    // The user's data folder, where a page goes that cannot be saved here.
    ASSERT_EQ(mkdir((folder + "/data").c_str(), 0755), 0);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", oldPath.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    ASSERT_EQ(chdir("/"), 0);
    const std::string remove = "chmod -R u+w '" + folder + "'; rm -rf '" + folder + "' '" + openerFolder + "'";
    ASSERT_EQ(std::system(remove.c_str()), 0);
  }
  std::string Opened() const { return OpenedIn(openerFolder); }
  std::string FileUri(const std::string& name) const {
    std::string encoded = folder;
    for (std::size_t at; (at = encoded.find(' ')) != std::string::npos;) encoded.replace(at, 1, "%20");
    return "file://" + encoded + "/" + name + "\n";
  }
  std::string folder;
  std::string openerFolder;
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

TEST_F(Desktop, HelpMenuCommands) {
  OpenWebsite();
  EXPECT_EQ(Opened(), std::string(kHomePageUrl) + "\n");
}

TEST_F(Desktop, F1OpensTheHelpContents) {
  CalendarUi ui;
  char name[] = "zelmora";
  char* argv[] = {name, nullptr};
  ui.show(1, argv);
  Settle();
  std::ofstream("index_e.htm") << "help";
  TypeKey(ui.main_window, FL_F + 1);
  EXPECT_EQ(Opened(), FileUri("index_e.htm"));
  ui.main_window->hide();
}

void (*const kNoAlert)(const char*) = [](const char* message) { ADD_FAILURE() << "alert: " << message; };

TEST_F(Desktop, ExportWritesThePageAndOpensIt) {
  std::ofstream("output.htm") << "an older, longer page that must not survive in part";
  const HtmlExporter exporter(DatePair(2000, 13, 3, Ethiopian), Ethiopian);
  EXPECT_TRUE(HtmlExporter(exporter).Save().saved);
  EXPECT_EQ(Opened(), "");  // saving alone opens nothing
  SaveAndOpenPage(exporter, kNoAlert);
  std::ifstream page("output.htm");
  std::stringstream text;
  text << page.rdbuf();
  EXPECT_EQ(text.str().rfind(kHead, 0), 0u);
  EXPECT_EQ(text.str().substr(text.str().size() - kTail.size()), kTail);
  EXPECT_EQ(Opened(), FileUri("output.htm"));
  EXPECT_EQ(std::system("ls | grep -q 'output.htm.'"), 256);  // no temporary file left
}

TEST_F(Desktop, ExportIntoAReadOnlyFolder) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  std::ofstream("output.htm") << "old";
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  SaveAndOpenPage(HtmlExporter(DatePair(2008, 11, 29, Gregorian), Gregorian), kNoAlert);
  std::ifstream page("output.htm");
  std::stringstream text;
  text << page.rdbuf();
  EXPECT_EQ(text.str(), "old");
  EXPECT_EQ(Opened(), FileUri("data/zelmora/output.htm"));  // the user's data folder instead
}

std::string offeredName;
std::string chosenPath;
std::string ChooseStandIn(const char* suggested) {
  offeredName = suggested;
  return chosenPath;
}
std::vector<std::string> alerts;
void RecordAlert(const char* message) { alerts.push_back(message); }

std::string Contents(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST_F(Desktop, ExportHolidaysSavesTheEthiopianYearShownWhereTheUserChooses) {
  FixClock(2008, 11, 29, 9, 0, 0);  // Hdar 20, 2001
  CalendarUi ui;
  ui.set_defaults();
  ui.toggle_base();  // the Gregorian base still exports the Ethiopian year
  Dialogs::choose_file = ChooseStandIn;
  Dialogs::alert = RecordAlert;
  Fl_Menu_Bar* bar = nullptr;
  for (int i = 0; i < ui.main_window->children() && !bar; ++i) bar = dynamic_cast<Fl_Menu_Bar*>(ui.main_window->child(i));
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
  const std::string ics = Contents(chosenPath);
  EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  EXPECT_EQ(Count(ics, "BEGIN:VEVENT"), static_cast<int>(HolidaysOfEthiopianYear(2001).size()));
  EXPECT_NE(ics.find("DTSTART;VALUE=DATE:20080911"), std::string::npos);  // Enkutatash
  EXPECT_TRUE(alerts.empty());

  chosenPath = folder + "/gone/mine.ics";  // a folder that is not there
  bar->picked(item);
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0], chosenPath + " could not be saved (No such file or directory).");

  chosenPath = "";  // cancelled
  bar->picked(item);
  EXPECT_EQ(alerts.size(), 1u);
  EXPECT_EQ(std::system("ls | grep -q 'mine.ics.'"), 256);  // no temporary file left
}

TEST(AboutWindow, ShowsNameVersionAndCredits) {
  const int before = [] {
    int n = 0;
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) ++n;
    return n;
  }();
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
  int after = 0;
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) ++after;
  EXPECT_EQ(after, before);
}

}  // namespace
