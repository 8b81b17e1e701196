#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "core/storage/file_lock.h"

// What was told, kept in $XDG_STATE_HOME/zelmora/told: every reminder due
// up to and including one instant. The terminal and the window tell through
// this one record, each holding it while it tells, so nothing is told twice;
// it moves on only once the notification server took what was due, so a
// failed run leaves those for the next.
class ToldRecord {
 public:
  // Waits for and holds the record (a lock beside it, made when missing)
  // for as long as the object lives.
  ToldRecord();
  ToldRecord(const ToldRecord&) = delete;
  ToldRecord& operator=(const ToldRecord&) = delete;

  // False, with the reason, when the record cannot be held: nothing may then be told.
  bool Held(std::string* why) const;
  // Through which instant everything was told; none before the first run.
  std::optional<std::time_t> ToldThrough() const;
  // Everything due through `through` was told; false with the reason in *why.
  bool Save(std::time_t through, std::string* why);

 private:
  bool Holding() const { return lock_ && lock_->Held(); }

  std::string folder_;
  std::optional<FileLock> lock_;
  int error_ = 0;
};
