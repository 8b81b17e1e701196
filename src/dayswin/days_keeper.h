#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "days/day_store.h"
#include "days/user_day.h"

// The user's days as the windows know them: read at start, read again when
// the file changes under the window (another program added a day), and each
// change handed to the store, which saves it. A file that cannot be read
// whole is said once, and what could be read is shown; the store then
// refuses every change, so the file is never overwritten.
class DaysKeeper {
 public:
  explicit DaysKeeper(std::string path = DaysFilePath());
  ~DaysKeeper();
  DaysKeeper(const DaysKeeper&) = delete;
  DaysKeeper& operator=(const DaysKeeper&) = delete;

  // Reads the file and starts looking at it; `changed` runs after every
  // reload and every change saved.
  void Start(std::function<void()> changed);
  const std::vector<UserDay>& Days() const { return store.Days(); }
  // Each gives false, having said why, when the store refused.
  bool Add(UserDay day);
  bool Replace(const UserDay& day);
  bool Remove(const std::string& uid);

  // The file is looked at no more often than this, in seconds of the clock
  // the program reads.
  static constexpr double kLookEvery = 1.0;

 private:
  void Load();
  bool Done(bool saved, const std::string& why);
  static void cb_look(void* keeper);

  DayStore store;
  std::function<void()> changed;
  bool unreadableTold = false;
  std::timespec lastLook{};
};
