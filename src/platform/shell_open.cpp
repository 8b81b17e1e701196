#include "platform/shell_open.h"

#include <FL/filename.H>

#include <cctype>
#include <cstring>
#include <string>

#include "locale/translation.h"
#include "platform/folders.h"

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

// What to tell the user when no program could open target.
std::string NoOpenerMessage(const std::string& target) {
  return Filled(Tr("No program could open %s. Install one that opens web pages (xdg-utils and a browser), "
                   "or open it by hand."),
                {target});
}

}  // namespace

std::string ShellTarget(const char* target) {
  if (IsWebAddress(target)) return target;
  if (target[0] == '/') return "file://" + PercentEncode(target);
  const std::string folder = CurrentFolder();
  return folder.empty() ? "" : "file://" + PercentEncode(folder + "/" + target);
}

bool OpenOrTell(const std::string& target, void (*alert)(const char* message)) {
  if (ShellOpen(target.c_str())) return true;
  alert(NoOpenerMessage(target).c_str());
  return false;
}

int ShellOpen(const char* target) {
  const std::string uri = ShellTarget(target);
  return !uri.empty() && fl_open_uri(uri.c_str());
}
