#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/command_line.h"
#include "core/locale/translation.h"
#include "core/folders/folders.h"

namespace {
constexpr int kWindowMissing = 1;
constexpr char kWindowProgram[] = "zelmora-window";
}  // namespace

// A command answers at once without the toolkit; anything else belongs to
// the window, a program of its own that brings the toolkit in. It takes this
// process over with the same arguments, so the menu entry and every other
// way of starting Zelmora keep working.
int main(int argc, char** argv) {
  if (IsCommandLine(argc, argv)) {
    BindCatalog(CatalogFolder());  // for the words of a command's answer in another language
    return RunCommandLine(argc, argv, stdout, stderr);
  }
  const std::string window = PrivateProgram(kWindowProgram);
  execv(window.c_str(), argv);
  std::fprintf(stderr, "zelmora: cannot start the window program %s: %s\n", window.c_str(), std::strerror(errno));
  return kWindowMissing;
}
