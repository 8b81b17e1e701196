#pragma once

#include <sys/types.h>

#include <ctime>
#include <string>
#include <vector>

#include "core/days/days_file.h"
#include "core/days/user_day.h"

// days.ics in the user's data folder ($XDG_DATA_HOME/zelmora when that is absolute, else
// ~/.local/share/zelmora); empty when the user has no home folder
std::string DaysFilePath();

// The user's days in their file. Each change is made under a lock on a file
// beside it (days.ics.lock): the days file itself is replaced by a rename at
// every save, so a lock on it would be left behind on the old file while the
// next writer locked the new one. Under the lock the change reads the file
// anew, so two programs changing it at once both keep what they added.
class DayStore {
 public:
  explicit DayStore(std::string path = DaysFilePath());
  // Reads the file anew; a missing file is an empty store. A file that cannot be read whole gives
  // false: Days() holds what could be read, errors name the lines, and every change is refused
  // (the file is never overwritten) until a later Load succeeds.
  bool Load(std::vector<StoreError>* errors);
  const std::vector<UserDay>& Days() const { return file_.days; }
  // What the file holds but Days() does not (kept as it was), and why.
  const std::vector<LeftOut>& LeftOutOfDays() const { return file_.leftOut; }
  // The file on disk is not the one last loaded or saved (size, modification time, inode).
  bool ChangedOnDisk() const;
  // Each change locks the file, reads it anew, applies itself, saves whole (the project's safe save:
  // permission bits and a symbolic link kept), unlocks, and leaves Days() as saved. On failure it
  // returns false with the reason in *why and nothing changes.
  bool Add(UserDay day, std::string* uid, std::string* why);  // a new stable UID when day.uid is empty
  bool Replace(const UserDay& day, std::string* why);          // the day with day.uid, its kept lines kept
  bool Remove(const std::string& uid, std::string* why);
  // Adds every day whose UID is not already there, all or none; *added counts them.
  bool AddAll(const std::vector<UserDay>& days, int* added, std::string* why);

  const std::string& Path() const { return path_; }
  // After a change that was saved: empty, or why the save may not outlast a
  // crash (its folder could not be flushed to the disk).
  const std::string& Warning() const { return warning_; }

 private:
  // Which file was read: none, or its identity when read.
  struct Identity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::timespec modified{};
    bool operator==(const Identity& other) const;
  };
  static Identity IdentityOf(const std::string& path);

  // Reads the file into *file; false, with the errors, when it cannot be read whole.
  bool ReadFile(DaysFile* file, Identity* identity, std::vector<StoreError>* errors) const;
  // Locks, reads anew, lets change alter the days (false with *why to refuse), saves.
  template <typename Edit>
  bool Change(Edit change, std::string* why);
  // False, with why, when the file's owner may not write it.
  bool Writable(std::string* why) const;
  std::string Named(const std::string& why) const;

  std::string path_;
  DaysFile file_;
  Identity read_;
  bool readable_ = true;
  std::string warning_;
};

// Reading days from another program's iCalendar text (for import) is
// ReadDays in days/days_file.h: the same reader the store uses.
