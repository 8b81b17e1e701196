// The program as an ordinary user meets it on the desktop: where the page is
// saved, what a failed save leaves behind, which help page opens and the
// About window's lines (the windows' class is checked end to end). Run as an ordinary user
// (tests/run_as_user.sh), since root writes into read-only folders.
#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "about/about_window.h"
#include "export/html_exporter.h"
#include "export/safe_save.h"
#include "mainwin/calendar_ui.h"
#include "platform/display_without_input_method.h"
#include "mainwin/tool_commands.h"

namespace {

std::vector<std::string> alerts;
void RecordAlert(const char* message) { alerts.push_back(message); }

std::set<std::string> Entries(const std::string& folder) {
  std::set<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(dir)) names.insert(entry->d_name);
    closedir(dir);
  }
  return names;
}

std::size_t OpenDescriptors() { return Entries("/proc/self/fd").size(); }

std::string Read(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class UserDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() == 0) GTEST_SKIP() << "needs an ordinary user: run it through tests/run_as_user.sh";
    char pattern[] = "/tmp/zelmora-desktop-XXXXXX";
    root = mkdtemp(pattern);
    home = MakeFolder("home");
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    oldPath = InstallOpener(root);
    alerts.clear();
    Dialogs::alert = RecordAlert;
  }
  void TearDown() override {
    if (root.empty()) return;
    setenv("PATH", oldPath.c_str(), 1);
    ASSERT_EQ(chdir("/"), 0);
    ASSERT_EQ(std::system(("chmod -R u+w " + root + "; rm -rf " + root).c_str()), 0);
  }
  std::string MakeFolder(const std::string& name, mode_t mode = 0755) {
    const std::string folder = root + "/" + name;
    EXPECT_EQ(mkdir(folder.c_str(), mode), 0) << folder;
    return folder;
  }
  std::string Opened() const { return OpenedIn(root); }
  // Tool > Output html, as the menu bar calls it once the item is picked.
  static void OutputHtml(CalendarUi& ui) {
    for (int i = 0; i < ui.main_window->children(); ++i) {
      auto* bar = dynamic_cast<Fl_Menu_Bar*>(ui.main_window->child(i));
      if (bar) {
        bar->picked(bar->find_item("Tool/Output html"));
        return;
      }
    }
    FAIL() << "no menu bar";
  }
  std::string root, home, oldPath;
};

TEST_F(UserDesktop, PageLandsWhereTheUserCanWriteWithItsPictures) {
  const struct {
    const char* where;
    const char* start;  // the folder the program runs in
    mode_t mode;
    bool removed;
    const char* dataHome;  // $XDG_DATA_HOME, if set
    const char* landing;   // where the page must land
    bool pictureThere;     // a tolun.jpg of the user's own is there already
  } kCases[] = {
      {"a writable current folder", "home", 0755, false, nullptr, "home", true},
      {"the menu entry's folder, which is root's", "ro", 0555, false, nullptr, "home/.local/share/zelmora", false},
      {"a current folder removed since", "gone", 0755, true, "xdg", "xdg/zelmora", true},
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
    unlink((root + "/opened").c_str());

    FixClock(2008, 11, 29, 9, 0, 0);
    CalendarUi ui;
    ui.set_defaults();
    ui.refresh();
    OutputHtml(ui);

    EXPECT_EQ(Read(landing + "/output.htm"), HtmlExporter(ui.date, ui.base_kind, ui.show_holidays).Build());
    const std::string kJpeg = "\xFF\xD8\xFF";
    EXPECT_EQ(Read(landing + "/vemra.jpg").substr(0, 3), kJpeg);
    EXPECT_EQ(Read(landing + "/tolun.jpg").substr(0, 3), c.pictureThere ? "min" : kJpeg);  // the user's is kept
    EXPECT_EQ(Opened(), "file://" + landing + "/output.htm\n");
    EXPECT_TRUE(alerts.empty());
  }
}

TEST_F(UserDesktop, NowhereToSaveBringsAnAlertAndOpensNothing) {
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

TEST_F(UserDesktop, FailedSaveClosesItsFileAndLeavesTheFolderAsItWas) {
  const std::string folder = MakeFolder("pages");
  std::ofstream(folder + "/page.htm") << "old page";
  MakeFolder("pages/folder.htm");
  const std::string big(4096, 'x');
  const struct {
    const char* name;
    std::string folder;
    rlim_t fileSizeLimit;
    const char* reason;
  } kCases[] = {
      {"page.htm", folder, 100, "File too large"},
      {"folder.htm", folder, RLIM_INFINITY, "Is a directory"},
      {"page.htm", root + "/missing", RLIM_INFINITY, "No such file or directory"},
  };
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails instead of ending the program
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.reason);
    const std::set<std::string> before = Entries(folder);
    const std::size_t descriptors = OpenDescriptors();
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit old = limit;
    limit.rlim_cur = c.fileSizeLimit;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string why;
    const bool saved = SaveInFolder(c.folder, c.name, big, ExistingFile::kReplace, &why);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    EXPECT_EQ(why, c.reason);
    EXPECT_EQ(OpenDescriptors(), descriptors);
    EXPECT_EQ(Entries(folder), before);
    EXPECT_EQ(Read(folder + "/page.htm"), "old page");
  }
}

TEST_F(UserDesktop, HelpContentsOpensTheNearestHelpPage) {
  ASSERT_EQ(chdir(home.c_str()), 0);
  OpenHelpContents();  // none here: the one installed beside the program (in the build tree)
  EXPECT_EQ(Opened(), "file://" ZELMORA_BUILD_DIR "/share/zelmora/index_e.htm\n");
  unlink((root + "/opened").c_str());
  std::ofstream(home + "/index_e.htm") << "mine";
  OpenHelpContents();
  EXPECT_EQ(Opened(), "file://" + home + "/index_e.htm\n");
}

TEST(Desktop, AboutLinesFitTheirBoxes) {
  AboutWindow about;
  for (int i = 1; i < about.window->children(); ++i) {
    const Fl_Widget* line = about.window->child(i);
    fl_font(line->labelfont(), line->labelsize());
    int w = 0, h = 0;
    fl_measure(line->label(), w, h, 0);
    EXPECT_LE(w, line->w()) << line->label();
  }
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
