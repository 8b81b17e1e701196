#pragma once

#include <ctime>
#include <string>

// An exclusive lock on a file, held while the object lives. A file that is
// replaced by a rename at every save cannot carry its own lock (the next
// writer would lock the new file), so the lock is on a file beside it,
// named as it is with ".lock" after, made when missing.
class FileLock {
 public:
  explicit FileLock(const std::string& guarded);  // waits for the lock
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  const std::string& Path() const { return path_; }  // the lock's own file
  bool Held() const { return fd_ >= 0; }
  // Why it is not held (an errno value).
  int Error() const { return error_; }
  // The lock's file changed now (it stays empty), and that moment as the
  // file system keeps time: files made from here on are stamped with it or later.
  std::timespec Touched() const;

 private:
  std::string path_;
  int fd_ = -1;
  int error_ = 0;
};
