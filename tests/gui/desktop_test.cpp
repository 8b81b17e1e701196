// The program as an ordinary user meets it on the desktop: what it hands the
// opener, which help page opens, what it tells when nothing opens pages, and
// the environment the programs it starts inherit (the windows' class is
// checked end to end). Run as an ordinary user (tests/run_as_user.sh), since
// root writes into read-only folders.
#include "desktop_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "gui/about/about_window.h"
#include "core/identity/program_identity.h"
#include "gui/desktop/display_without_input_method.h"
#include "core/folders/folders.h"
#include "gui/desktop/shell_open.h"

namespace {

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
    const std::string target = kHasHomePage ? kHomePageUrl : "file://" + InstalledPage(h.page);
    const std::string opened = target + "\n";
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
