#pragma once

#include <cstdio>

// The commands that answer in the terminal: today, convert, month, holidays,
// now, fasts, day, bahire-hasab, days, agenda, -h/--help and -V/--version,
// recognised only as the first argument; and any first argument that looks
// like an option but is none of the toolkit's, which is refused. They open
// no display and load no fonts.

// True when the first argument is for the terminal; otherwise the window starts.
bool IsCommandLine(int argc, char** argv);
// Runs the command: its text on out, or one line (the help after an unknown
// first option) on err. Returns the exit status: 0 on success, 2 on an error.
int RunCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err);
