#pragma once

#include <string>

// Which of the church's days come as reminders besides the user's own, off
// until the user turns them on. Kept in a small file of the core's own
// ($XDG_CONFIG_HOME/zelmora/reminders) so that the terminal and the window
// share it: the window's other choices live in the toolkit's preferences,
// which the terminal does not link.
struct RemindSettings {
  bool fasts = false;   // the evening before a fasting period begins
  bool feasts = false;  // the eve of a major feast of the Lord
};

// The settings as saved; both off when there is no file or it cannot be read.
RemindSettings LoadRemindSettings();
// Saves them whole (the safe save); false with the reason in *why.
bool SaveRemindSettings(const RemindSettings& settings, std::string* why);
