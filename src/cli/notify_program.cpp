#include "cli/notify_program.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include "cli/child_program.h"
#include "core/folders/folders.h"
#include "core/locale/translation.h"
#include "core/remind/notify_status.h"

namespace {

constexpr char kNotifyProgram[] = "zelmora-notify";

// What the program's status says; empty for every notice taken.
std::string StatusText(int status) {
  if (!WIFEXITED(status)) return Tr("the notification program stopped before it was done");
  switch (WEXITSTATUS(status)) {
    case kAllAccepted:
      return "";
    case kNoSessionBus:
      return Tr("there is no session bus to tell the reminders through");
    case kNoNotificationServer:
      return Tr("no notification server answers on the session bus");
    default:
      return Tr("the notification server did not take the reminders");
  }
}

}  // namespace

std::string SendNotices(const std::vector<Notice>& notices, size_t* accepted) {
  std::vector<std::string> words;
  for (const Notice& notice : notices) words.insert(words.end(), {notice.summary, notice.body});
  std::string said, why;
  const int status = RunChild(PrivateProgram(kNotifyProgram), words, &said, &why);
  *accepted = std::min<size_t>(std::strtoul(said.c_str(), nullptr, 10), notices.size());
  return status < 0 ? why : StatusText(status);
}
