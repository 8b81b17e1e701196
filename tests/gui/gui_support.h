#pragma once

#include <gtest/gtest.h>  // before any toolkit header: Xlib's Bool breaks it

#include <ctime>

// Sets the wall clock that the program reads, in UTC (the tests run with TZ=UTC).
void FixClock(int year, int month, int day, int hour, int minute, int second);
// Moves the fixed clock on.
void AdvanceClock(int seconds);
// Runs the toolkit's pending work (redraws, deferred deletions) without waiting.
void Settle();
