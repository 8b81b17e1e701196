#include "gui/desktop/shell_open.h"

#include <FL/Fl.H>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "core/locale/translation.h"
#include "core/folders/folders.h"

namespace {

bool IsWebAddress(const char* target) { return std::strstr(target, "://") != nullptr; }

// What to tell the user when no program could open target.
std::string NoOpenerMessage(const std::string& target) {
  return Filled(Tr("No program could open %s. Install one that opens web pages (xdg-utils and a browser), "
                   "or open it by hand."),
                {target});
}

// The desktop's opener, the first executable xdg-open on PATH; "" when none.
std::string OpenerPath() {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "";
  for (std::size_t from = 0; from <= folders.size();) {
    std::size_t colon = folders.find(':', from);
    if (colon == std::string::npos) colon = folders.size();
    const std::string folder = colon == from ? "." : folders.substr(from, colon - from);
    const std::string opener = folder + "/xdg-open";
    if (access(opener.c_str(), X_OK) == 0) return opener;
    from = colon + 1;
  }
  return "";
}

// The opener's exit status, once the watcher has read it; alert is nullptr
// when nobody is to be told.
struct OpenerWatch {
  pid_t watcher;
  std::string target;
  void (*alert)(const char* message);
};

constexpr unsigned char kCouldNotRun = 127;  // the shell's own status for a program it cannot run

void OpenerDone(int fd, void* data) {
  const auto* watch = static_cast<OpenerWatch*>(data);
  unsigned char status = kCouldNotRun;
  const bool told = read(fd, &status, 1) == 1;
  Fl::remove_fd(fd);
  close(fd);
  waitpid(watch->watcher, nullptr, 0);
  if ((!told || status != 0) && watch->alert) watch->alert(NoOpenerMessage(watch->target).c_str());
  delete watch;
}

// In the watcher, a child of its own: runs the opener, waits for it and
// writes its status, a byte, into the pipe. The pipe closes on exec, so an
// opener that leaves a browser behind holds no end of it. Only calls that are
// safe after fork() run here.
[[noreturn]] void RunWatcher(const char* opener, const char* uri, int writeEnd) {
  const pid_t child = fork();
  if (child == 0) {
    execl(opener, "xdg-open", uri, static_cast<char*>(nullptr));
    _exit(kCouldNotRun);
  }
  int status = 0;
  const bool exited = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status);
  const unsigned char code = exited ? static_cast<unsigned char>(WEXITSTATUS(status)) : kCouldNotRun;
  const ssize_t written = write(writeEnd, &code, 1);
  _exit(written == 1 ? 0 : 1);
}

// Starts the opener without waiting for it; its exit status comes back
// through the event loop, and a failure is told by alert (when given).
bool StartOpener(const std::string& target, void (*alert)(const char* message)) {
  const std::string uri = ShellTarget(target.c_str());
  const std::string opener = OpenerPath();
  int pipeEnds[2];
  if (uri.empty() || opener.empty() || pipe2(pipeEnds, O_CLOEXEC) != 0) return false;
  const pid_t watcher = fork();
  if (watcher == 0) RunWatcher(opener.c_str(), uri.c_str(), pipeEnds[1]);
  close(pipeEnds[1]);
  if (watcher < 0) {
    close(pipeEnds[0]);
    return false;
  }
  Fl::add_fd(pipeEnds[0], FL_READ, OpenerDone, new OpenerWatch{watcher, target, alert});
  return true;
}

}  // namespace

std::string ShellTarget(const char* target) {
  if (IsWebAddress(target)) return target;
  if (target[0] == '/') return FileAddress(target);
  const std::string folder = CurrentFolder();
  return folder.empty() ? "" : FileAddress(folder + "/" + target);
}

bool OpenOrTell(const std::string& target, void (*alert)(const char* message)) {
  if (StartOpener(target, alert)) return true;
  alert(NoOpenerMessage(target).c_str());
  return false;
}

int ShellOpen(const char* target) { return StartOpener(target, nullptr); }
