// What a save leaves on the user's file system, through the save's seam.
// Run as an ordinary user (tests/run_as_user.sh), since root writes into
// read-only folders.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/storage/safe_save.h"
#include "test_files.h"

namespace {

class Saving : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ModesBind(root)) << "this process writes into read-only folders: run it through tests/run_as_user.sh";
  }
  void TearDown() override {
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", userHome.c_str(), 1);
  }
  std::string MakeFolder(const std::string& name, mode_t mode = 0755) {
    const std::string folder = root + "/" + name;
    EXPECT_EQ(mkdir(folder.c_str(), mode), 0) << folder;
    return folder;
  }
  const std::string userHome = std::getenv("HOME");
  ScratchFolder scratch{"zelmora-saving"};
  const std::string root = scratch.path;
};

TEST_F(Saving, FailedSaveClosesItsFileAndLeavesTheFolderAsItWas) {
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
// As a network file system reports a write it could not finish.
int FailingClose(int fd) {
  close(fd);
  errno = EIO;
  return -1;
}
int FailingFsync(int) {
  errno = EIO;
  return -1;
}
// A folder whose flush fails, once the file in it has its name.
int FailingFolderFsync(int fd) {
  struct stat s{};
  return fstat(fd, &s) == 0 && S_ISDIR(s.st_mode) ? FailingFsync(fd) : fsync(fd);
}

mode_t ModeOf(const std::string& path) {
  struct stat s{};
  stat(path.c_str(), &s);
  return s.st_mode & 07777;
}

// What the user's file system holds after a save: the bytes on the disk
// before the name, the permission bits the user expects, the user's own
// files kept, a failed flush or close reported, and a data folder of its own.
TEST_F(Saving, SavesAsTheFileSystemSeesThem) {
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

  const SaveCalls kFailing[] = {{real.fsync, FailingClose, real.rename}, {FailingFsync, real.close, real.rename}};
  for (const SaveCalls& failing : kFailing) {
    saveCalls = failing;
    EXPECT_FALSE(SaveInFolder(folder, "page.htm", "newer", ExistingFile::kReplace, &why));
    saveCalls = real;
    EXPECT_EQ(why, "Input/output error");
    EXPECT_EQ(ReadFile(page), "new");
    EXPECT_EQ(Entries(folder), before);  // no temporary file left
  }
  // Past the rename the file is saved: a retry would save it twice.
  std::string warning;
  saveCalls = {FailingFolderFsync, real.close, real.rename};
  EXPECT_TRUE(SaveInFolder(folder, "page.htm", "newest", ExistingFile::kReplace, &why, &warning));
  saveCalls = real;
  EXPECT_EQ(warning, "Input/output error");
  EXPECT_EQ(ReadFile(page), "newest");

  // Where a page lands from a folder it cannot stay in, or from one whose
  // path is longer than a first guess at it; a relative XDG_DATA_HOME is
  // ignored, as the XDG base directory rules ask.
  const std::string readOnly = MakeFolder("ro", 0555);
  const std::string deep = MakeFolder(std::string(200, 'd')) + "/" + std::string(100, 'e');
  ASSERT_EQ(mkdir(deep.c_str(), 0755), 0);
  const std::string home = MakeFolder("home");
  setenv("HOME", home.c_str(), 1);
  const struct {
    std::string current;
    std::string dataHome;  // "": unset
    std::string landing;
  } kPlaces[] = {
      {readOnly, root + "/xdg", root + "/xdg/zelmora"},
      {deep, "", deep},
      {readOnly, "xdg", home + "/.local/share/zelmora"},
  };
  for (const auto& p : kPlaces) {
    ASSERT_EQ(chdir(p.current.c_str()), 0);
    if (p.dataHome.empty()) {
      unsetenv("XDG_DATA_HOME");
    } else {
      setenv("XDG_DATA_HOME", p.dataHome.c_str(), 1);
    }
    const SaveOutcome outcome = SaveWherePossible("page.htm", "new");
    EXPECT_EQ(outcome.folder, p.landing) << outcome.failure;
    EXPECT_EQ(ReadFile(p.landing + "/page.htm"), "new") << p.landing;
  }
  EXPECT_EQ(ModeOf(root + "/xdg/zelmora"), 0700u);
}

// A save through a symbolic link writes the file it names, with that
// file's permission bits, and keeps the link.
TEST_F(Saving, SavingThroughALinkKeepsIt) {
  const std::string folder = MakeFolder("saves");
  const struct {
    bool absolute;     // the link names the folder too
    const char* link;  // what page.ics links to
    mode_t mode;       // of the existing file
    const char* written;
  } kFiles[] = {
      {false, "real.ics", 0640, "real.ics"},
      {false, "sub/../real.ics", 0604, "real.ics"},
      {false, "absent.ics", 0, "absent.ics"},
      {true, "real.ics", 0640, "real.ics"},
  };
  for (const auto& f : kFiles) {
    for (const char* name : {"page.ics", "real.ics", "absent.ics"}) unlink((folder + "/" + name).c_str());
    MakeFolder("saves/sub");
    const std::string written = folder + "/" + f.written;
    if (f.mode) {
      std::ofstream(written) << "old";
      chmod(written.c_str(), f.mode);
    }
    const std::string link = (f.absolute ? folder + "/" : "") + f.link;
    ASSERT_EQ(symlink(link.c_str(), (folder + "/page.ics").c_str()), 0);
    std::string why;
    ASSERT_TRUE(SaveInFolder(folder, "page.ics", "new", ExistingFile::kReplace, &why)) << why;
    struct stat page{}, file{};
    lstat((folder + "/page.ics").c_str(), &page);
    stat(written.c_str(), &file);
    EXPECT_TRUE(S_ISLNK(page.st_mode)) << link;
    EXPECT_EQ(ReadFile(written), "new") << link;
    if (f.mode) {
      EXPECT_EQ(file.st_mode & 0777, f.mode) << f.written;
    }
    rmdir((folder + "/sub").c_str());
  }
}

}  // namespace
