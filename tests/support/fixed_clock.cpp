#include "fixed_clock.h"

#include <cmath>

#include "core/calendar/clock_source.h"

namespace {
std::timespec fixedNow{};
std::timespec FixedTime() { return fixedNow; }
}  // namespace

void FixClock(int year, int month, int day, int hour, int minute, int second, double fraction) {
  std::tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  FixClockAt(timegm(&t));
  fixedNow.tv_nsec = std::lround(fraction * 1e9);
}

void FixClockAt(std::time_t seconds) {
  fixedNow = {seconds, 0};
  PreciseClock = FixedTime;
}

void AdvanceClock(double seconds) {
  const long long nanos = fixedNow.tv_nsec + std::llround(seconds * 1e9);
  fixedNow.tv_sec += nanos / 1000000000;
  fixedNow.tv_nsec = nanos % 1000000000;
}
