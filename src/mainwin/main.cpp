#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "mainwin/window_main.h"
#include "platform/module.h"

namespace {
constexpr int kModuleMissing = 1;
}

// A command answers at once without the toolkit; anything else starts the
// window, whose module brings the toolkit in.
int main(int argc, char** argv) {
  if (IsCommandLine(argc, argv)) return RunCommandLine(argc, argv, stdout, stderr);
  std::string why;
  auto* window = reinterpret_cast<decltype(&ZelmoraWindowMain)>(
      ModuleFunction("zelmora-window.so", "ZelmoraWindowMain", &why));
  if (!window) {
    std::fprintf(stderr, "zelmora: cannot load the window: %s\n", why.c_str());
    return kModuleMissing;
  }
  return window(argc, argv);
}
