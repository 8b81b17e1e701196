#pragma once

#include <ctime>

// Where "now" comes from. Everything that reads the wall clock (today's date,
// the clock faces) goes through this pointer, so tests can fix the time.
using ClockSource = std::time_t (*)(std::time_t*);
extern ClockSource WallClock;
