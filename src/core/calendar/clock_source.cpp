#include "core/calendar/clock_source.h"

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

double SecondsToLocalMidnight(std::timespec now) {
  constexpr double kSecondsPerDay = 86400;
  constexpr double kRetry = 60;
  constexpr double kPastMidnight = 0.01;
  std::tm local{};
  if (!localtime_r(&now.tv_sec, &local)) return kRetry;
  const double intoDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + now.tv_nsec * 1e-9;
  return kSecondsPerDay - intoDay + kPastMidnight;
}
ClockSource WallClock = WholeSeconds;
