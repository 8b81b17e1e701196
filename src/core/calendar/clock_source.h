#pragma once

#include <ctime>

// Where "now" comes from. Everything that reads the wall clock (today's date,
// the clock faces) goes through these pointers, so tests can fix the time.
// PreciseClock is the one source; WallClock reads its whole seconds.
using PreciseClockSource = std::timespec (*)();
extern PreciseClockSource PreciseClock;
using ClockSource = std::time_t (*)(std::time_t*);
extern ClockSource WallClock;

// Seconds from now to the next local midnight, just past it; a minute when
// the local time cannot be read, to try again.
double SecondsToLocalMidnight(std::timespec now);
