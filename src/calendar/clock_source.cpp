#include "calendar/clock_source.h"

namespace {

std::timespec SystemTime() {
  std::timespec now{};
  std::timespec_get(&now, TIME_UTC);
  return now;
}

std::time_t WholeSeconds(std::time_t* out) {
  const std::time_t now = PreciseClock().tv_sec;
  if (out) *out = now;
  return now;
}

}  // namespace

PreciseClockSource PreciseClock = SystemTime;
ClockSource WallClock = WholeSeconds;
