#pragma once

#include <string>

// The path of the terminal program (zelmora) as seen from the window
// program: beside it in the build folder, else in bin/ as seen from its
// private folder (lib/zelmora) once installed. The window starts it to tell
// the reminders, so that the terminal's record of what was told decides.
std::string TerminalProgram();
