#pragma once

// How zelmora-notify ends, so that `zelmora remind` can say why nothing was told.
enum NotifyStatus : int {
  kAllAccepted = 0,  // the notification server took every notification
  kNotifyUsage = 2,  // no notification given, or a title without its body
  kNoSessionBus = 3,
  kNoNotificationServer = 4,
  kNotifyRefused = 5,  // the server answered one with an error
};
