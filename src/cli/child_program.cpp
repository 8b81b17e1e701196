#include "cli/child_program.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>

#include "core/locale/translation.h"

extern char** environ;

int RunChild(const std::string& program, const std::vector<std::string>& words, std::string* why) {
  // posix_spawn takes words it may change: its own copies.
  std::vector<std::string> copies{program};
  copies.insert(copies.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& word : copies) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int error = posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ);
  int status = 0;
  while (!error && waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!error) return status;
  *why = Filled(Tr("cannot start %s: %s"), {program, std::strerror(error)});
  return -1;
}
