#pragma once

#include <gtest/gtest.h>  // before any toolkit header: Xlib's Bool breaks it

#include <ctime>
#include <string>

// Sets the wall clock that the program reads, in UTC (the tests run with TZ=UTC).
void FixClock(int year, int month, int day, int hour, int minute, int second);
// Moves the fixed clock on.
void AdvanceClock(int seconds);
// Runs the toolkit's pending work (redraws, deferred deletions) without waiting.
void Settle();
// Puts an xdg-open stand-in first on PATH, kept in folder, that adds each
// target it is given to folder/opened and lingers, as a browser would, so a
// test sees whether the program waits for it. Returns the PATH it replaced.
std::string InstallOpener(const std::string& folder);
// What the stand-in in folder was asked to open, once it has had a second to start.
std::string OpenedIn(const std::string& folder);
