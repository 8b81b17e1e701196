#include "core/folders/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// The data folder as seen from the program's folder: installed, from either
// program (bin/ or lib/zelmora/ -> share/zelmora), and in the build tree (the
// programs beside share/zelmora).
const char* const kDataBesideProgram[] = {ZELMORA_DATA_FROM_BIN, ZELMORA_DATA_FROM_PRIVATE, "share/zelmora"};

bool Readable(const std::string& path) { return access(path.c_str(), R_OK) == 0; }

// The path without "..", so the opener and the user see a plain one.
std::string Resolved(const std::string& path) {
  char* resolved = realpath(path.c_str(), nullptr);
  const std::string plain = resolved ? resolved : path;
  std::free(resolved);
  return plain;
}

}  // namespace

std::string ProgramFolder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
  if (length <= 0 || static_cast<std::size_t>(length) == path.size()) return "";
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/'));
}

std::string PrivateProgram(const char* name) {
  const std::string folder = ProgramFolder();
  const std::string beside = folder + "/" + name;
  return access(beside.c_str(), X_OK) == 0 ? beside : folder + "/" ZELMORA_PRIVATE_FROM_BIN "/" + name;
}

std::string CurrentFolder() {
  std::string folder(256, '\0');
  while (!getcwd(&folder[0], folder.size())) {
    if (errno != ERANGE) return "";
    folder.resize(folder.size() * 2);
  }
  folder.resize(std::strlen(folder.c_str()));
  return folder;
}

namespace {

// The program's folder under the XDG base directory named by `variable`,
// else under `fallback` in the home folder.
std::string XdgFolder(const char* variable, const char* fallback) {
  const char* base = std::getenv(variable);
  if (base && base[0] == '/') return std::string(base) + "/zelmora";  // a relative one is ignored
  const char* home = std::getenv("HOME");
  if (!home || home[0] != '/') {
    const passwd* user = getpwuid(getuid());
    home = user ? user->pw_dir : nullptr;
  }
  return home && *home ? std::string(home) + "/" + fallback + "/zelmora" : "";
}

}  // namespace

std::string UserDataFolder() { return XdgFolder("XDG_DATA_HOME", ".local/share"); }
std::string UserStateFolder() { return XdgFolder("XDG_STATE_HOME", ".local/state"); }
std::string UserConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }

std::string CatalogFolder() { return FindDataFile("../locale"); }

std::string FindDataFile(const char* name) {
  const std::string program = ProgramFolder();
  for (const char* data : kDataBesideProgram) {
    const std::string path = program + "/" + data + "/" + name;
    if (!program.empty() && Readable(path)) return Resolved(path);
  }
  const std::string current = CurrentFolder();
  if (!current.empty() && Readable(current + "/" + name)) return current + "/" + name;
  return "";
}

std::string FileAddress(const std::string& absolutePath) {
  static const char kHex[] = "0123456789ABCDEF";
  constexpr int kNibble = 4, kLowNibble = 15;
  std::string encoded = "file://";
  for (const unsigned char c : absolutePath) {
    if (std::isalnum(c) || std::strchr("/-._~", c)) {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> kNibble];
      encoded += kHex[c & kLowNibble];
    }
  }
  return encoded;
}
