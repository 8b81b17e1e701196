#include "core/remind/terminal_program.h"

#include <unistd.h>

#include "core/folders/folders.h"

namespace {
constexpr char kTerminalProgram[] = "zelmora";
}  // namespace

std::string TerminalProgram() {
  const std::string folder = ProgramFolder();
  const std::string beside = folder + "/" + kTerminalProgram;
  return access(beside.c_str(), X_OK) == 0 ? beside : folder + "/" ZELMORA_BIN_FROM_PRIVATE "/" + kTerminalProgram;
}
