// Tool > Output html on an ordinary user's desktop: the page written whole
// and opened, where it lands with its pictures, and the alert when it can
// land nowhere. Run as an ordinary user, as the desktop test is.
#include "desktop_fixture.h"

#include <FL/Fl_Menu_Bar.H>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "core/export/html_exporter.h"
#include "gui/desktop/page_output.h"
#include "core/identity/home_page.h"
#include "core/identity/program_identity.h"
#include "core/identity/zelmora_version.h"

namespace {

const std::string kHead =
    "<html lang='am'><head><meta content='text/html; charset=UTF-8' http-equiv='content-type'>"
    "<title>Zelmora</title></head><body><img src='vemra.jpg' align='right'/><h1>"
    "<img src='tolun.jpg' align='bottom'/>" + std::string(kVersionText) + "</h1>";
// The footer links the home page: the build's, else the installed help page.
const std::string kHomePage = HomePageAddress(Language::kEnglish);
const std::string kTail = "<hr><i><a href=" + kHomePage + ">" + kHomePage + "</a></i></body></html>";

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
    EXPECT_NE(page.find("<font size=+3>ህዳር, 2001</font>"), std::string::npos);
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

}  // namespace
