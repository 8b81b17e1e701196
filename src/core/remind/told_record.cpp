#include "core/remind/told_record.h"

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
  if (folder_.empty() || !MakeFolders(folder_)) {
    error_ = folder_.empty() ? ENOENT : errno;
    return;
  }
  lock_.emplace(folder_ + "/" + kFileName);
  if (!lock_->Held()) error_ = lock_->Error();
}

bool ToldRecord::Held(std::string* why) const {
  if (!Holding()) *why = (folder_.empty() ? std::string(kFileName) : folder_) + ": " + std::strerror(error_);
  return Holding();
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
