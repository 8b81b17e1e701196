#pragma once

#include <string>

// Asks the desktop's opener (xdg-open) to open a web address (passed as it
// is) or a file named relative to the current folder; it neither waits nor
// reports. 1 when the opener was started, 0 when none was found.
int ShellOpen(const char* target);

// ShellOpen, and when no program can open target, alert() with a sentence
// that names target and what to install: at once when there is no opener,
// from the event loop once the opener exits with a failure or cannot run.
// True when an opener was started.
bool OpenOrTell(const std::string& target, void (*alert)(const char* message));

// The URI ShellOpen hands on: web addresses unchanged, a file name as a
// file:// URI of its absolute path, percent-encoded; empty for a relative name
// once the current folder is gone (then nothing is opened).
std::string ShellTarget(const char* target);
