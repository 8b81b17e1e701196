#pragma once

#include <sys/types.h>

#include <ctime>
#include <string>
#include <vector>

#include "core/days/user_day.h"
#include "core/locale/language_names.h"
#include "core/remind/remind_settings.h"

// The reminders while the window is open, looked at on the clock's tick once
// a minute: when something of the user's days, or of the church's days
// turned on, fell due since the last look, the terminal's `zelmora remind`
// runs beside the window, which does not wait for it. The terminal's record
// of what was told decides, so nothing is told twice, whether the window,
// the timer or a login ran it. A run still going is reaped on a later look,
// and what falls due meanwhile starts another once it is done.
class WindowReminders {
 public:
  // Nothing that fell due before `since` (the window's start) starts a run.
  explicit WindowReminders(std::time_t since) : settings(LoadRemindSettings()), lookedAt(since) {}

  // Once a minute: the settings read again, as the terminal may have changed
  // them, and (last look, now] looked at. True when the window should show
  // them again: the settings changed or something fell due.
  bool Tick(std::time_t now, const std::vector<UserDay>& days, TextStyle style);
  // Tool > Remind of fasts or feasts: the setting turned over and saved, or
  // the user told why it could not be.
  void Toggle(bool RemindSettings::*which);

  RemindSettings settings;
  // The terminal program: TerminalProgram(), or a stand-in in tests.
  static std::string (*program)();

 private:
  void Reap();
  void Start(TextStyle style);

  std::time_t lookedAt;
  pid_t child = 0;    // a run still going, or 0
  bool owed = false;  // something fell due while it ran
};
