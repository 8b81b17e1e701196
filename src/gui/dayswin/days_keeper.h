#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/days/day_store.h"
#include "core/days/user_day.h"

// The user's days as the windows know them: read at start, read again when
// the file changes under the window (another program added a day), and each
// change handed to the store, which saves it. A file that cannot be read
// whole is said once, and what could be read is shown; the store then
// refuses every change, so the file is never overwritten.
// The first reading starts on a thread of its own as the keeper is made, so
// that a long file is read while the window is built and shown (on two cores
// beside Xvfb, 10,000 days' last paint came 2 ms sooner than reading them
// once shown); until Start takes it, the keeper shows no days and the thread
// alone touches the store.
class DaysKeeper {
 public:
  explicit DaysKeeper(std::string path = DaysFilePath());
  ~DaysKeeper();
  DaysKeeper(const DaysKeeper&) = delete;
  DaysKeeper& operator=(const DaysKeeper&) = delete;

  // Takes the first reading and starts looking at the file; `changed` runs
  // after every reload and every change saved.
  void Start(std::function<void()> changed);
  const std::vector<UserDay>& Days() const;
  // Each gives false, having said why, when the store refused.
  bool Add(UserDay day);
  bool Replace(const UserDay& day);
  bool Remove(const std::string& uid);

  // The file is looked at no more often than this, in seconds of the clock
  // the program reads.
  static constexpr double kLookEvery = 1.0;

 private:
  void Load();
  void Tell(bool read, const std::vector<StoreError>& errors);
  bool Done(bool saved, const std::string& why);
  static void cb_look(void* keeper);

  DayStore store;
  bool firstRead = false;  // what the first reading found, set by its thread
  std::vector<StoreError> firstErrors;
  std::thread firstReading;  // when there is a file; joined by Start, else by the destructor
  bool started = false;
  std::function<void()> changed;
  bool unreadableTold = false;
  std::timespec lastLook{};
};
