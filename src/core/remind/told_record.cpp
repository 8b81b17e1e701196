#include "core/remind/told_record.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/folders/folders.h"
#include "core/remind/kept_text.h"
#include "core/storage/whole_save.h"

namespace {

const char kFileName[] = "told";
// "through SECONDS" (since the epoch, UTC) and a newline.
const char kThrough[] = "through ";

}  // namespace

ToldRecord::ToldRecord() : folder_(UserStateFolder()) {
  // The file itself is replaced at each save, so the lock is on its folder,
  // which stays.
  if (folder_.empty() || !MakeFolders(folder_)) {
    error_ = folder_.empty() ? ENOENT : errno;
    return;
  }
  lock_ = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (lock_ < 0) {
    error_ = errno;
    return;
  }
  while (flock(lock_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    error_ = errno;
    close(lock_);
    lock_ = -1;
    return;
  }
}

ToldRecord::~ToldRecord() {
  if (lock_ >= 0) close(lock_);  // closing lets the lock go
}

bool ToldRecord::Held(std::string* why) const {
  if (lock_ < 0) *why = (folder_.empty() ? std::string(kFileName) : folder_) + ": " + std::strerror(error_);
  return lock_ >= 0;
}

std::optional<std::time_t> ToldRecord::ToldThrough() const {
  const std::string text = ReadKeptText(folder_, kFileName);
  if (text.compare(0, sizeof kThrough - 1, kThrough) != 0) return std::nullopt;
  const char* digits = text.c_str() + sizeof kThrough - 1;
  char* end = nullptr;
  errno = 0;
  const std::time_t through = std::strtoll(digits, &end, 10);
  if (end == digits || *end != '\n' || errno) return std::nullopt;
  return through;
}

bool ToldRecord::Save(std::time_t through, std::string* why) {
  return SaveKeptText(folder_, kFileName, kThrough + std::to_string(through) + '\n', why);
}
