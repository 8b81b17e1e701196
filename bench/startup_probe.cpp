// Starts programs in turn on the current X display, the order rotated each
// round, and reports for each, as medians: the time from start until its
// first top-level window is mapped, until its last paint (the last change
// to the window's pixels before it sits still for a tenth of a second), and its
// resident and proportional set sizes once it has sat idle for a second.
// Usage: startup_probe ROUNDS 'PROGRAM [ARGS...]' ['PROGRAM [ARGS...]' ...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
// Short of a second, so that a clock's tick seldom counts as start-up: the
// median stands.
constexpr double kStillSeconds = 0.1;

// A field ("VmRSS:", "Pss:") of a /proc file, in kB.
long Kilobytes(pid_t pid, const char* file, const std::string& field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/" + file);
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + field.size());
  }
  return -1;
}

double MsSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

// Waits for display events for up to seconds; false when none came.
bool WaitForEvents(Display* display, double seconds) {
  if (XPending(display)) return true;
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(ConnectionNumber(display), &readable);
  timeval wait = {0, static_cast<suseconds_t>(seconds * 1e6)};
  return select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &wait) > 0;
}

// The mapped top-level window, or 0 if the child ends first.
Window WaitForMap(Display* display, pid_t child) {
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) return event.xmap.window;
    }
    if (waitpid(child, nullptr, WNOHANG) == child) return 0;
    WaitForEvents(display, 0.001);
  }
}

// The time of the window's last change before it stays still for kStillSeconds.
double WaitForLastPaint(Display* display, int damageEvent, Window window, Clock::time_point start, double mapped) {
  const Damage damage = XDamageCreate(display, window, XDamageReportRawRectangles);
  double last = mapped;
  while (WaitForEvents(display, kStillSeconds)) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == damageEvent + XDamageNotify) last = MsSince(start);
  }
  (void)damage;  // freed with the window
  return last;
}

template <class T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Program {
  std::vector<std::string> words;
  std::vector<double> mappedMs, paintedMs;
  std::vector<long> residentKb, proportionalKb;
};

std::vector<std::string> Words(const char* command) {
  std::istringstream in(command);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool RunOnce(Display* display, int damageEvent, Program& program) {
  XSync(display, True);  // drop events of earlier runs
  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (std::string& word : program.words) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (!freopen("/dev/null", "w", stdout)) _exit(127);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  const Window window = WaitForMap(display, child);
  if (!window) return false;
  const double mapped = MsSince(start);
  program.mappedMs.push_back(mapped);
  program.paintedMs.push_back(WaitForLastPaint(display, damageEvent, window, start, mapped));
  sleep(1);
  program.residentKb.push_back(Kilobytes(child, "status", "VmRSS:"));
  program.proportionalKb.push_back(Kilobytes(child, "smaps_rollup", "Pss:"));
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s ROUNDS 'PROGRAM [ARGS...]' ...\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  int damageEvent = 0, damageError = 0, major = 1, minor = 1;
  if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError) ||
      !XDamageQueryVersion(display, &major, &minor)) {
    std::fprintf(stderr, "no X display with the DAMAGE extension\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  std::vector<Program> programs;
  for (int i = 2; i < argc; ++i) programs.push_back({Words(argv[i]), {}, {}, {}, {}});
  const int rounds = std::atoi(argv[1]);
  for (int round = 0; round < rounds; ++round) {
    for (size_t i = 0; i < programs.size(); ++i) {
      Program& program = programs[(round + i) % programs.size()];
      if (!RunOnce(display, damageEvent, program)) {
        std::fprintf(stderr, "%s ended without showing a window\n", program.words[0].c_str());
        return 1;
      }
    }
  }
  std::printf("%-40s %10s %12s %12s %10s\n", "program (medians)", "mapped ms", "last paint", "resident kB", "Pss kB");
  for (const Program& program : programs) {
    std::printf("%-40s %10.1f %12.1f %12ld %10ld\n", program.words[0].c_str(), Median(program.mappedMs),
                Median(program.paintedMs), Median(program.residentKb), Median(program.proportionalKb));
  }
  XCloseDisplay(display);
  return 0;
}
