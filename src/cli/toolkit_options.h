#pragma once

#include <string>

// True when `arg` is one of the toolkit's own options (-display, -geometry,
// -name, -title, -iconic, -fg, -bg, -scheme, ...), which start the window.
bool IsToolkitOption(const char* arg);
// What is wrong with a window's command line (argv[1] on), in one line: an
// argument that is none of the toolkit's options, one missing its value, a
// geometry that is none; empty when the window can take it. Decided here,
// before the window program starts: the toolkit would print its whole list
// of options and exit 1.
std::string ToolkitArgumentsFault(int argc, char** argv);
