#pragma once

#include <set>
#include <string>

// A file's whole contents; "" when it cannot be read.
std::string ReadFile(const std::string& path);
// The names in a folder, "." and ".." included; none when it cannot be read.
std::set<std::string> Entries(const std::string& folder);
// How many file descriptors this process holds open.
std::size_t OpenDescriptors();
// Whether a read-only folder keeps this process out, as it keeps out any user
// (root's powers pass through it, and every read-only case would then pass).
bool ModesBind(const std::string& folder);

// A folder of a test's own under /tmp, named from prefix, removed with all it
// holds (read-only parts too) when the test ends.
class ScratchFolder {
 public:
  explicit ScratchFolder(const char* prefix = "zelmora-test");
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string path;
};
