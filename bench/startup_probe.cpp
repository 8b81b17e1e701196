// Starts a program N times on the current X display and reports, as medians,
// the time from start until its first top-level window is mapped and its
// resident memory once it has sat idle for a second.
// Usage: startup_probe N PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

long ResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// True once a top-level window is mapped; false if the child ends first.
bool WaitForMap(Display* display, pid_t child) {
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) return true;
    }
    if (waitpid(child, nullptr, WNOHANG) == child) return false;
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(ConnectionNumber(display), &readable);
    timeval wait = {0, 1000};
    select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &wait);
  }
}

template <class T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s N PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  std::vector<double> startMs;
  std::vector<long> residentKb;
  for (int run = 0; run < std::atoi(argv[1]); ++run) {
    XSync(display, True);  // drop events of earlier runs
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
      if (!freopen("/dev/null", "w", stdout)) _exit(127);
      execvp(argv[2], argv + 2);
      _exit(127);
    }
    if (!WaitForMap(display, child)) {
      std::fprintf(stderr, "%s ended without showing a window\n", argv[2]);
      return 1;
    }
    startMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    sleep(1);
    residentKb.push_back(ResidentKilobytes(child));
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
  }
  std::printf("%s: start-up %.1f ms, resident %ld kB (medians of %zu runs)\n", argv[2], Median(startMs),
              Median(residentKb), startMs.size());
  XCloseDisplay(display);
  return 0;
}
