#include <systemd/sd-bus.h>

#include <cstdio>
#include <cstring>

#include "core/remind/notify_status.h"

// Hands notifications to the desktop's notification server (the freedesktop
// Notifications interface on the session bus), through sd-bus. A program of
// its own, which `zelmora remind` starts only when something is due, so that
// every other command loads the C library alone.
//
// zelmora-notify TITLE BODY [TITLE BODY]...: sends them in order, stops at
// the first the server does not take, writes how many it took on standard
// output and ends 0 only when it took every one (notify_status.h says why not).

namespace {

const char kService[] = "org.freedesktop.Notifications";
const char kPath[] = "/org/freedesktop/Notifications";
const char kAppName[] = "Zelmora";
const char kIcon[] = "zelmora";
constexpr int kServerTimeout = -1;  // the server's own choice of how long to show it
constexpr unsigned kNoneReplaced = 0;

// Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout).
NotifyStatus Notify(sd_bus* bus, const char* summary, const char* body) {
  sd_bus_error error = SD_BUS_ERROR_NULL;
  sd_bus_message* reply = nullptr;
  const int r = sd_bus_call_method(bus, kService, kPath, kService, "Notify", &error, &reply, "susssasa{sv}i", kAppName,
                                   kNoneReplaced, kIcon, summary, body, 0, 0, kServerTimeout);
  NotifyStatus status = kAllAccepted;
  if (r < 0) {
    std::fprintf(stderr, "zelmora-notify: %s\n", error.message ? error.message : std::strerror(-r));
    status = sd_bus_error_has_name(&error, SD_BUS_ERROR_SERVICE_UNKNOWN) ? kNoNotificationServer : kNotifyRefused;
  }
  sd_bus_error_free(&error);
  sd_bus_message_unref(reply);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 == 0) {
    std::fprintf(stderr, "usage: zelmora-notify TITLE BODY [TITLE BODY]...\n");
    return kNotifyUsage;
  }
  sd_bus* bus = nullptr;
  const int r = sd_bus_open_user(&bus);
  if (r < 0) {
    std::fprintf(stderr, "zelmora-notify: no session bus: %s\n", std::strerror(-r));
    return kNoSessionBus;
  }
  NotifyStatus status = kAllAccepted;
  int accepted = 0;
  for (int i = 1; i + 1 < argc && status == kAllAccepted; i += 2) {
    status = Notify(bus, argv[i], argv[i + 1]);
    if (status == kAllAccepted) ++accepted;
  }
  sd_bus_flush_close_unref(bus);
  std::printf("%d\n", accepted);
  return status;
}
