#include "cli/remind_setup.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "cli/child_program.h"
#include "cli/command_error.h"
#include "core/folders/folders.h"
#include "core/locale/translation.h"
#include "core/remind/kept_text.h"

// The files the package installs, built into the program (resources/).
extern const unsigned char kRemindService[];
extern const std::size_t kRemindServiceSize;
extern const unsigned char kRemindTimer[];
extern const std::size_t kRemindTimerSize;
extern const unsigned char kRemindAutostart[];
extern const std::size_t kRemindAutostartSize;

namespace {

const char kService[] = "zelmora-remind.service";
const char kTimer[] = "zelmora-remind.timer";
const char kAutostart[] = "zelmora-remind.desktop";
const char kProgramMark[] = "@ZELMORA_PROGRAM@";

// A file's text with this program's path where the package's has its own.
std::string ForThisProgram(const unsigned char* bytes, std::size_t size) {
  std::string text(bytes, bytes + size);
  const std::size_t mark = text.find(kProgramMark);
  if (mark != std::string::npos) text.replace(mark, sizeof kProgramMark - 1, ProgramFolder() + "/zelmora");
  return text;
}

// A folder of the user's configuration, beside zelmora's own.
std::string ConfigFolder(const char* name) {
  const std::string ours = UserConfigFolder();
  return ours.substr(0, ours.rfind('/') + 1) + name;
}

// systemctl's own socket in the user's runtime folder: a user session runs.
bool HasUserSession() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && *runtime && access((std::string(runtime) + "/systemd/private").c_str(), F_OK) == 0;
}

void Systemctl(const std::vector<std::string>& words) {
  std::vector<std::string> all{"--user"};
  all.insert(all.end(), words.begin(), words.end());
  std::string why;
  const int status = RunChild("systemctl", all, nullptr, &why);
  if (status < 0) throw CommandError{why};
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw CommandError{Filled(Tr("systemctl --user %s failed"), {words.front()})};
  }
}

void Keep(const std::string& folder, const char* name, const std::string& text) {
  std::string why;
  if (!SaveKeptText(folder, name, text, &why)) throw CommandError{folder + "/" + name + ": " + why};
}

std::string Enable() {
  if (!HasUserSession()) {
    const std::string folder = ConfigFolder("autostart");
    Keep(folder, kAutostart, ForThisProgram(kRemindAutostart, kRemindAutostartSize));
    return Filled(Tr("no systemd user session: wrote %s, which tells the reminders at each login"),
                  {folder + "/" + kAutostart}) + '\n';
  }
  const std::string folder = ConfigFolder("systemd/user");
  Keep(folder, kService, ForThisProgram(kRemindService, kRemindServiceSize));
  Keep(folder, kTimer, ForThisProgram(kRemindTimer, kRemindTimerSize));
  Systemctl({"daemon-reload"});
  Systemctl({"enable", "--now", kTimer});
  return Filled(Tr("wrote %s and enabled it in the systemd user session: it tells the reminders every quarter of an hour"),
                {folder + "/" + kTimer}) + '\n';
}

std::string Disable() {
  std::string done;
  if (HasUserSession()) {
    const std::string folder = ConfigFolder("systemd/user");
    Systemctl({"disable", "--now", kTimer});
    for (const char* name : {kService, kTimer}) unlink((folder + "/" + name).c_str());
    Systemctl({"daemon-reload"});
    done += Filled(Tr("disabled %s in the systemd user session"), {kTimer}) + '\n';
  }
  const std::string autostart = ConfigFolder("autostart") + "/" + kAutostart;
  if (unlink(autostart.c_str()) == 0) done += Filled(Tr("removed %s"), {autostart}) + '\n';
  return done.empty() ? Tr("reminders were not set to run by themselves\n") : done;
}

}  // namespace

std::string SetUpRunning(bool enable) { return enable ? Enable() : Disable(); }
