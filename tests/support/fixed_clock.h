#pragma once

#include <ctime>

// The wall clock the program reads, fixed through its clock seam (the tests
// run with TZ=UTC); libfaketime is for whole processes only.
void FixClock(int year, int month, int day, int hour, int minute, int second, double fraction = 0);
void FixClockAt(std::time_t seconds);
// Moves the fixed clock on.
void AdvanceClock(double seconds);
