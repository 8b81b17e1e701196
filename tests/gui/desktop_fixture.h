#pragma once

#include "gui_support.h"

#include <FL/Fl_Menu_Bar.H>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "gui/dialogs/dialogs.h"
#include "gui/mainwin/calendar_ui.h"
#include "test_files.h"

// A desktop of the test's own, as an ordinary user has it: a home folder, no
// XDG_DATA_HOME, an xdg-open stand-in first on PATH that records what it was
// asked to open (in a folder of its own: a test may make others read-only),
// a current folder whose name needs quoting, and the alerts recorded.
class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ModesBind(root)) << "this process writes into read-only folders: run it through tests/run_as_user.sh";
    setenv("HOME", MakeFolder("home").c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    oldPath = InstallOpener(MakeFolder("opener"));
    ASSERT_EQ(chdir(MakeFolder("pages here").c_str()), 0);
    alerts.clear();
    Dialogs::alert = RecordAlert;
  }
  void TearDown() override {
    setenv("PATH", oldPath.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
  }
  std::string MakeFolder(const std::string& name, mode_t mode = 0755) {
    const std::string made = root + "/" + name;
    EXPECT_EQ(mkdir(made.c_str(), mode), 0) << made;
    return made;
  }
  std::string Opened() const { return OpenedIn(openerFolder); }
  void ForgetOpened() const { unlink((openerFolder + "/opened").c_str()); }
  // The file:// URI of a file in the current folder.
  std::string FileUri(const std::string& name) const {
    std::string encoded = folder;
    for (std::size_t at; (at = encoded.find(' ')) != std::string::npos;) encoded.replace(at, 1, "%20");
    return "file://" + encoded + "/" + name + "\n";
  }
  // Tool > Output html, as the menu bar calls it once the item is picked.
  static void OutputHtml(CalendarUi& ui) {
    Fl_Menu_Bar* bar = MenuBarOf(ui.main_window);
    bar->picked(bar->find_item("Tool/Output html"));
  }

  ScratchFolder scratch{"zelmora-desktop"};
  const std::string root = scratch.path;
  const std::string home = root + "/home";
  const std::string folder = root + "/pages here";
  const std::string openerFolder = root + "/opener";
  std::string oldPath;
};
