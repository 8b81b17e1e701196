#pragma once

#include <string>

// `remind --enable` and `--disable`, for a build from source: the timer in
// the systemd user session where there is one (its unit files written into
// the user's own systemd folder, running this program), else the XDG
// autostart entry in the user's ~/.config/autostart. What was done, in words.
std::string SetUpRunning(bool enable);
