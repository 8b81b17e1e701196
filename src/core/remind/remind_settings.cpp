#include "core/remind/remind_settings.h"

#include "core/folders/folders.h"
#include "core/remind/kept_text.h"

namespace {

const char kFileName[] = "reminders";
// One line a setting, "NAME=on" or "NAME=off"; other lines are ignored.
const char kFasts[] = "fasts=";
const char kFeasts[] = "feasts=";
const char kOn[] = "on";
const char kOff[] = "off";

bool SwitchIn(const std::string& text, const char* name) {
  const std::string line = std::string(name) + kOn;
  const size_t at = text.find(line);
  return at != std::string::npos && (at == 0 || text[at - 1] == '\n') &&
         (at + line.size() == text.size() || text[at + line.size()] == '\n');
}

std::string SwitchLine(const char* name, bool on) { return std::string(name) + (on ? kOn : kOff) + '\n'; }

}  // namespace

RemindSettings LoadRemindSettings() {
  const std::string text = ReadKeptText(UserConfigFolder(), kFileName);
  return {SwitchIn(text, kFasts), SwitchIn(text, kFeasts)};
}

bool SaveRemindSettings(const RemindSettings& settings, std::string* why) {
  return SaveKeptText(UserConfigFolder(), kFileName, SwitchLine(kFasts, settings.fasts) + SwitchLine(kFeasts, settings.feasts),
                      why);
}
