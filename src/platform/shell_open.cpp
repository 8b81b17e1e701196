#include "platform/shell_open.h"

#include <FL/filename.H>

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

bool IsWebAddress(const char* target) { return std::strstr(target, "://") != nullptr; }

// Keeps the characters a path may carry unencoded in a URI.
std::string PercentEncode(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const unsigned char c : path) {
    if (std::isalnum(c) || std::strchr("/-._~", c)) {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 15];
    }
  }
  return encoded;
}

std::string CurrentFolder() {
  std::string folder(256, '\0');
  while (!getcwd(&folder[0], folder.size())) {
    if (errno != ERANGE) return ".";
    folder.resize(folder.size() * 2);
  }
  folder.resize(std::strlen(folder.c_str()));
  return folder;
}

}  // namespace

std::string ShellTarget(const char* target) {
  if (IsWebAddress(target)) return target;
  if (target[0] == '/') return "file://" + PercentEncode(target);
  return "file://" + PercentEncode(CurrentFolder() + "/" + target);
}

int ShellOpen(const char* target) { return fl_open_uri(ShellTarget(target).c_str()); }
