// The program as an ordinary user meets it on the desktop: where the page is
// saved, what a failed save leaves behind, which help page opens and the
// About window's lines (the windows' class is checked end to end). Run as an ordinary user
// (tests/run_as_user.sh), since root writes into read-only folders.
#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "about/about_window.h"
#include "dialogs/dialogs.h"
#include "export/safe_save.h"
#include "identity/program_identity.h"
#include "mainwin/calendar_ui.h"
#include "platform/display_without_input_method.h"
#include "mainwin/tool_commands.h"
#include "platform/shell_open.h"

namespace {

std::set<std::string> Entries(const std::string& folder) {
  std::set<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(dir)) names.insert(entry->d_name);
    closedir(dir);
  }
  return names;
}

std::size_t OpenDescriptors() { return Entries("/proc/self/fd").size(); }

// Whether a read-only folder keeps this process out, as it keeps out any user
// (root's powers pass through it, and every read-only case would then pass).
bool ModesBind(const std::string& folder) {
  const std::string locked = folder + "/locked";
  if (mkdir(locked.c_str(), 0555) != 0) return false;
  const std::string probe = locked + "/probe";
  const int fd = open(probe.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
  if (fd >= 0) {
    close(fd);
    unlink(probe.c_str());
  }
  rmdir(locked.c_str());
  return fd < 0;
}

class UserDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ModesBind(root)) << "this process writes into read-only folders: run it through tests/run_as_user.sh";
    home = MakeFolder("home");
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    oldPath = InstallOpener(root);
    alerts.clear();
    Dialogs::alert = RecordAlert;
  }
  void TearDown() override { setenv("PATH", oldPath.c_str(), 1); }
  std::string MakeFolder(const std::string& name, mode_t mode = 0755) {
    const std::string folder = root + "/" + name;
    EXPECT_EQ(mkdir(folder.c_str(), mode), 0) << folder;
    return folder;
  }
  std::string Opened() const { return OpenedIn(root); }
  // Tool > Output html, as the menu bar calls it once the item is picked.
  static void OutputHtml(CalendarUi& ui) {
    Fl_Menu_Bar* bar = MenuBarOf(ui.main_window);
    bar->picked(bar->find_item("Tool/Output html"));
  }
  ScratchFolder scratch{"zelmora-desktop"};
  const std::string root = scratch.path;
  std::string home, oldPath;
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

    EXPECT_NE(ReadFile(landing + "/output.htm").find("<font size=+3><span lang='am'>ህዳር</span>, 2001</font>"), std::string::npos);
    const std::string kJpeg = "\xFF\xD8\xFF";
    EXPECT_EQ(ReadFile(landing + "/vemra.jpg").substr(0, 3), kJpeg);
    EXPECT_EQ(ReadFile(landing + "/tolun.jpg").substr(0, 3), c.pictureThere ? "min" : kJpeg);  // the user's is kept
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
    EXPECT_EQ(ReadFile(folder + "/page.htm"), "old page");
  }
}

// The calls a save makes, each with the path it acts on, the temporary
// file's random part read as XXXXXX.
std::vector<std::string> calls;
std::string Masked(std::string path) {
  const std::size_t dot = path.rfind('.');
  if (dot != std::string::npos && path.size() - dot == 7) path.replace(dot + 1, 6, "XXXXXX");
  return path;
}
std::string PathOf(int fd) {
  char path[4096] = {};
  return readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1) > 0 ? Masked(path) : "";
}
int WatchedFsync(int fd) {
  calls.push_back("fsync " + PathOf(fd));
  return fsync(fd);
}
int WatchedClose(int fd) {
  calls.push_back("close " + PathOf(fd));
  return close(fd);
}
int WatchedRename(const char* from, const char* to) {
  calls.push_back("rename " + Masked(from) + " " + to);
  return rename(from, to);
}
int FailingClose(int fd) {
  close(fd);
  errno = EIO;  // as a network file system reports a write it could not finish
  return -1;
}

mode_t ModeOf(const std::string& path) {
  struct stat s{};
  stat(path.c_str(), &s);
  return s.st_mode & 07777;
}

// What the user's file system holds after a save: the bytes on the disk
// before the name, the permission bits the user expects, the user's own
// files kept, a failed close reported, and a private data folder.
TEST_F(UserDesktop, SavesAsTheFileSystemSeesThem) {
  const std::string folder = MakeFolder("pages"), page = folder + "/page.htm";
  const SaveCalls real = saveCalls;
  std::string why;
  saveCalls = {WatchedFsync, WatchedClose, WatchedRename};
  EXPECT_TRUE(SaveInFolder(folder, "page.htm", "new", ExistingFile::kReplace, &why));
  const std::vector<std::string> kDurable = {"fsync " + page + ".XXXXXX", "close " + page + ".XXXXXX",
                                             "rename " + page + ".XXXXXX " + page, "fsync " + folder};
  EXPECT_EQ(calls, kDurable);

  const struct {
    mode_t umask, existing, expected;  // existing 0: no file there before
  } kModes[] = {{022, 0, 0644}, {077, 0, 0600}, {022, 0640, 0640}, {077, 0644, 0644}};
  for (const auto& m : kModes) {
    unlink(page.c_str());
    if (m.existing) {
      std::ofstream(page) << "old";
      chmod(page.c_str(), m.existing);
    }
    const mode_t old = umask(m.umask);
    EXPECT_TRUE(SaveInFolder(folder, "page.htm", "new", ExistingFile::kReplace, &why));
    umask(old);
    EXPECT_EQ(ModeOf(page), m.expected) << std::oct << "umask " << m.umask << ", existing " << m.existing;
  }

  std::ofstream(folder + "/tolun.jpg") << "mine";
  const std::set<std::string> before = Entries(folder);
  EXPECT_TRUE(SaveInFolder(folder, "tolun.jpg", "picture", ExistingFile::kKeep, &why));
  EXPECT_EQ(ReadFile(folder + "/tolun.jpg"), "mine");

  saveCalls.close = FailingClose;
  EXPECT_FALSE(SaveInFolder(folder, "page.htm", "newer", ExistingFile::kReplace, &why));
  saveCalls = real;
  EXPECT_EQ(why, "Input/output error");
  EXPECT_EQ(ReadFile(page), "new");
  EXPECT_EQ(Entries(folder), before);  // no temporary file left

  ASSERT_EQ(chdir(MakeFolder("ro", 0555).c_str()), 0);
  setenv("XDG_DATA_HOME", (root + "/xdg").c_str(), 1);
  EXPECT_EQ(SaveWherePossible("page.htm", "new").folder, root + "/xdg/zelmora");
  EXPECT_EQ(ModeOf(root + "/xdg/zelmora"), 0700u);
}

// A save through a symbolic link writes the file it names, with that
// file's permission bits, and keeps the link.
TEST_F(UserDesktop, SavingThroughALinkKeepsIt) {
  const std::string folder = MakeFolder("saves");
  const struct {
    const char* link;  // what page.ics links to
    mode_t mode;       // of the existing file
    const char* written;
  } kFiles[] = {
      {"real.ics", 0640, "real.ics"},
      {"sub/../real.ics", 0604, "real.ics"},
      {"absent.ics", 0, "absent.ics"},
  };
  for (const auto& f : kFiles) {
    for (const char* name : {"page.ics", "real.ics", "absent.ics"}) unlink((folder + "/" + name).c_str());
    MakeFolder("saves/sub");
    const std::string written = folder + "/" + f.written;
    if (f.mode) {
      std::ofstream(written) << "old";
      chmod(written.c_str(), f.mode);
    }
    ASSERT_EQ(symlink(f.link, (folder + "/page.ics").c_str()), 0);
    std::string why;
    ASSERT_TRUE(SaveInFolder(folder, "page.ics", "new", ExistingFile::kReplace, &why)) << why;
    struct stat page{}, file{};
    lstat((folder + "/page.ics").c_str(), &page);
    stat(written.c_str(), &file);
    EXPECT_TRUE(S_ISLNK(page.st_mode)) << f.written;
    EXPECT_EQ(ReadFile(written), "new") << f.written;
    if (f.mode) {
      EXPECT_EQ(file.st_mode & 0777, f.mode) << f.written;
    }
    rmdir((folder + "/sub").c_str());
  }
}

// With no program on PATH that opens pages, each command says what could not
// be opened and where it is.
TEST_F(UserDesktop, NoOpenerIsTold) {
  ASSERT_EQ(chdir(home.c_str()), 0);
  setenv("PATH", MakeFolder("empty").c_str(), 1);
  CalendarUi ui;
  ui.set_defaults();
  const struct {
    void (*command)(CalendarUi&);
    std::string named;
  } kCommands[] = {
      {[](CalendarUi&) { OpenHelpContents(); }, ZELMORA_BUILD_DIR "/share/zelmora/index_e.htm"},
      {[](CalendarUi&) { OpenWebsite(); }, kHomePageUrl},
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
  EXPECT_EQ(alerts[0].rfind(std::string("ይህን የሚከፍት ፕሮግራም አልተገኘም፦ ") + kHomePageUrl + "። ", 0), 0u) << alerts[0];
  MenuBarOf(ui.main_window)->picked(ui.amharic_item);
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
