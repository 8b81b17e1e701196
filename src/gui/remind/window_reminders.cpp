#include "gui/remind/window_reminders.h"

#include <spawn.h>
#include <sys/wait.h>

#include "core/locale/translation.h"
#include "core/remind/due.h"
#include "core/remind/terminal_program.h"
#include "gui/dialogs/dialogs.h"
#include "gui/remind/reminder_texts.h"

extern char** environ;

std::string (*WindowReminders::program)() = TerminalProgram;

bool WindowReminders::Tick(std::time_t now, const std::vector<UserDay>& days, TextStyle style) {
  if (now / kSecondsPerMinute <= lookedAt / kSecondsPerMinute) return false;
  const RemindSettings before = settings;
  settings = LoadRemindSettings();
  Reap();
  const bool due = !RemindersDue(days, settings, lookedAt, now).empty();
  lookedAt = now;
  owed = owed || due;
  if (owed && !child) Start(style);
  return due || settings.fasts != before.fasts || settings.feasts != before.feasts;
}

void WindowReminders::Toggle(bool RemindSettings::*which) {
  RemindSettings changed = LoadRemindSettings();  // as the terminal may have left them
  changed.*which = !(settings.*which);
  std::string why;
  if (SaveRemindSettings(changed, &why)) {
    settings = changed;
  } else {
    Dialogs::alert(Filled(Tr("cannot keep the reminders' settings: %s"), {why}).c_str());
  }
}

// Done, or no longer this program's to wait for.
void WindowReminders::Reap() {
  if (child && waitpid(child, nullptr, WNOHANG) != 0) child = 0;
}

// In the language the window speaks, as the terminal would be asked. A run
// that cannot start leaves the reminders to the timer's next run.
void WindowReminders::Start(TextStyle style) {
  std::string path = program(), remind = "remind", amharic = "--amharic", geez = "--geez";
  std::vector<char*> argv{path.data(), remind.data()};
  if (style.language == Language::kAmharic) argv.push_back(amharic.data());
  if (style.geez) argv.push_back(geez.data());
  argv.push_back(nullptr);
  owed = false;
  if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) child = 0;
}
