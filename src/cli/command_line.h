#pragma once

#include <cstdio>

// The commands that answer in the terminal: today, convert, month, holidays,
// fasts, day, bahire-hasab, --help and --version, recognised only as the
// first argument. They open no
// display and load no fonts.

// True when the first argument names a command; otherwise the window starts.
bool IsCommandLine(int argc, char** argv);
// Runs the command: its text on out, or one line on err. Returns the exit
// status: 0 on success, 2 on an error.
int RunCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err);
