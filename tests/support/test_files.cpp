#include "test_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

std::string ReadFile(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::set<std::string> Entries(const std::string& folder) {
  std::set<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(dir)) names.insert(entry->d_name);
    closedir(dir);
  }
  return names;
}

std::size_t OpenDescriptors() { return Entries("/proc/self/fd").size(); }

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

namespace {
std::string MadeFolder(const char* prefix) {
  std::string pattern = std::string("/tmp/") + prefix + "-XXXXXX";
  return mkdtemp(&pattern[0]) ? pattern : "";
}
}  // namespace

ScratchFolder::ScratchFolder(const char* prefix) : path(MadeFolder(prefix)) {}
ScratchFolder::~ScratchFolder() {
  const std::string remove = "chmod -R u+w '" + path + "' && rm -rf '" + path + "'";
  if (chdir("/") != 0 || std::system(remove.c_str()) != 0) ADD_FAILURE() << "could not remove " << path;
}
