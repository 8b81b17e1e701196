#include "cli/child_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/locale/translation.h"

extern char** environ;

namespace {

constexpr int kReadEnd = 0, kWriteEnd = 1;

void ReadAll(int fd, std::string* output) {
  char block[BUFSIZ];
  for (ssize_t n; (n = read(fd, block, sizeof block)) != 0;) {
    if (n > 0) output->append(block, n);
    if (n < 0 && errno != EINTR) break;
  }
}

}  // namespace

int RunChild(const std::string& program, const std::vector<std::string>& words, std::string* output, std::string* why) {
  // posix_spawn takes words it may change: its own copies.
  std::vector<std::string> copies{program};
  copies.insert(copies.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& word : copies) argv.push_back(word.data());
  argv.push_back(nullptr);
  int pipe[2] = {-1, -1};
  int error = output && pipe2(pipe, O_CLOEXEC) != 0 ? errno : 0;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (output) posix_spawn_file_actions_adddup2(&actions, pipe[kWriteEnd], STDOUT_FILENO);
  pid_t child = 0;
  if (!error) error = posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (output && pipe[kWriteEnd] >= 0) close(pipe[kWriteEnd]);  // the child's copy alone keeps it open
  if (output && !error) ReadAll(pipe[kReadEnd], output);
  if (output && pipe[kReadEnd] >= 0) close(pipe[kReadEnd]);
  int status = 0;
  while (!error && waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!error) return status;
  *why = Filled(Tr("cannot start %s: %s"), {program, std::strerror(error)});
  return -1;
}
