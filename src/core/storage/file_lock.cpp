#include "core/storage/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
constexpr mode_t kLockMode = 0600;
const char kLockSuffix[] = ".lock";
}  // namespace

FileLock::FileLock(const std::string& guarded)
    : path_(guarded + kLockSuffix), fd_(open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kLockMode)) {
  while (fd_ >= 0 && flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    error_ = errno;
    close(fd_);
    fd_ = -1;
  }
  if (fd_ < 0 && error_ == 0) error_ = errno;
}

FileLock::~FileLock() {
  if (fd_ >= 0) close(fd_);  // closing lets the lock go
}

std::timespec FileLock::Touched() const {
  struct stat status{};
  if (ftruncate(fd_, 0) != 0 || fstat(fd_, &status) != 0) return {};
  return status.st_mtim;
}
