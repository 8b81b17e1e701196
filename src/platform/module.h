#pragma once

#include <string>

// The program's own modules: the window (the toolkit and X) and the iCalendar
// writer (libical, which brings ICU) are loaded only when they are used, so
// the terminal commands start without mapping either.

// Loads module (a file name such as "zelmora-window.so", found beside the
// running program in its build folder, or in its private library folder once
// installed) and returns its function; nullptr with the reason in *why.
void* ModuleFunction(const char* module, const char* function, std::string* why);
