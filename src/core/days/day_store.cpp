#include "core/days/day_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/folders/folders.h"
#include "core/locale/translation.h"
#include "core/storage/file_bytes.h"
#include "core/storage/file_lock.h"
#include "core/storage/whole_save.h"

namespace {

const char kFileName[] = "days.ics";
const char kLeftAsItIs[] = N_("%s could not be read, and is left as it is");
const char kNoSuchDay[] = N_("there is no day with the UID %s");

std::string Folder(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string Name(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

std::string DaysFilePath() {
  const std::string folder = UserDataFolder();
  return folder.empty() ? "" : folder + "/" + kFileName;
}

DayStore::DayStore(std::string path) : path_(std::move(path)) {}

bool DayStore::Identity::operator==(const Identity& other) const {
  return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
         modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

DayStore::Identity DayStore::IdentityOf(const std::string& path) {
  struct stat status{};
  if (stat(path.c_str(), &status) != 0) return {};
  return {true, status.st_dev, status.st_ino, status.st_size, status.st_mtim};
}

bool DayStore::ReadFile(DaysFile* file, Identity* identity, std::vector<StoreError>* errors) const {
  *file = DaysFile();
  *identity = Identity();
  struct stat status{};
  FileBytes text;
  if (!text.Open(path_, FileBytes::Use::kWhole, &status)) {
    if (errno == ENOENT) return true;
    errors->push_back({0, path_ + ": " + std::strerror(errno)});
    return false;
  }
  *identity = {true, status.st_dev, status.st_ino, status.st_size, status.st_mtim};
  return ReadDaysFile(text.Text(), file, errors);
}

bool DayStore::Load(std::vector<StoreError>* errors) {
  std::vector<StoreError> found;
  readable_ = ReadFile(&file_, &read_, &found);
  if (errors) *errors = std::move(found);
  return readable_;
}

bool DayStore::ChangedOnDisk() const { return !(IdentityOf(path_) == read_); }

// The owner's permission bits say whether the days may change: a file made
// read-only is refused even to root, who could replace it anyway.
bool DayStore::Writable(std::string* why) const {
  struct stat status{};
  if (stat(path_.c_str(), &status) != 0 || (status.st_mode & S_IWUSR)) return true;
  *why = Filled(Tr("%s is read-only; expected a file its owner may write (chmod u+w)"), {path_});
  return false;
}

// A save's failure with the file it was for: through a link, the file the link names.
std::string DayStore::Named(const std::string& why) const {
  std::string behind(PATH_MAX, '\0');
  const ssize_t length = readlink(path_.c_str(), &behind[0], behind.size());
  if (length <= 0) return path_ + ": " + why;
  behind.resize(static_cast<std::size_t>(length));
  return Filled(Tr("%s (a link to %s): %s"), {path_, behind, why});
}

template <typename Edit>
bool DayStore::Change(Edit change, std::string* why) {
  if (!readable_) {
    *why = Filled(Tr(kLeftAsItIs), {path_});
    return false;
  }
  if (path_.empty()) {
    *why = Tr("the days have no folder to be kept in: the user has no home folder");
    return false;
  }
  if (!MakeFolders(Folder(path_))) {
    *why = Folder(path_) + ": " + std::strerror(errno);
    return false;
  }
  FileLock lock(path_);
  if (!lock.Held()) {
    *why = lock.Path() + ": " + std::strerror(lock.Error());
    return false;
  }
  // Under the lock no other save runs: what an earlier one left midway goes.
  RemoveLeftovers(Folder(path_), Name(path_).c_str(), lock.Touched());
  DaysFile file;
  Identity identity;
  std::vector<StoreError> errors;
  if (!ReadFile(&file, &identity, &errors)) {
    *why = Filled(Tr(kLeftAsItIs), {path_}) +
           (errors.empty() ? "" : " (line " + std::to_string(errors[0].line) + ": " + errors[0].what + ")");
    return false;
  }
  std::string text;
  if (!Writable(why) || !change(&file, why) || !WriteDaysFile(file, &text, why)) return false;
  warning_.clear();
  if (!SaveInFolder(Folder(path_), Name(path_).c_str(), text, ExistingFile::kReplace, why, &warning_)) {
    *why = Named(*why);
    return false;
  }
  if (!warning_.empty()) {
    warning_ = Filled(Tr("the days were saved, but %s could not be flushed to the disk: %s"), {Folder(path_), warning_});
  }
  file_ = std::move(file);
  read_ = IdentityOf(path_);
  return true;
}

bool DayStore::Add(UserDay day, std::string* uid, std::string* why) {
  if (day.uid.empty()) day.uid = NewUid();
  const std::string added = day.uid;
  const bool saved = Change(
      [&day](DaysFile* file, std::string* reason) {
        const bool taken = std::any_of(file->days.begin(), file->days.end(),
                                       [&day](const UserDay& other) { return other.uid == day.uid; });
        if (taken) *reason = Filled(Tr("a day with the UID %s is there already"), {day.uid});
        if (!taken) file->days.push_back(std::move(day));
        return !taken;
      },
      why);
  if (saved && uid) *uid = added;
  return saved;
}

bool DayStore::Replace(const UserDay& day, std::string* why) {
  return Change(
      [&day](DaysFile* file, std::string* reason) {
        for (UserDay& other : file->days) {
          if (other.uid != day.uid) continue;
          // What was read with the day stays with it, whatever the caller's copy holds.
          KeptLines kept = std::move(other.kept);
          other = day;
          other.kept = std::move(kept);
          other.kept.Restamp();
          return true;
        }
        *reason = Filled(Tr(kNoSuchDay), {day.uid});
        return false;
      },
      why);
}

bool DayStore::Remove(const std::string& uid, std::string* why) {
  return Change(
      [&uid](DaysFile* file, std::string* reason) {
        const auto gone = std::remove_if(file->days.begin(), file->days.end(),
                                         [&uid](const UserDay& day) { return day.uid == uid; });
        if (gone == file->days.end()) *reason = Filled(Tr(kNoSuchDay), {uid});
        if (gone == file->days.end()) return false;
        file->days.erase(gone, file->days.end());
        return true;
      },
      why);
}

bool DayStore::AddAll(const std::vector<UserDay>& days, int* added, std::string* why) {
  int count = 0;
  const bool saved = Change(
      [&days, &count](DaysFile* file, std::string*) {
        for (UserDay day : days) {
          if (day.uid.empty()) day.uid = NewUid();
          const bool there = std::any_of(file->days.begin(), file->days.end(),
                                         [&day](const UserDay& other) { return other.uid == day.uid; });
          if (there) continue;
          file->days.push_back(std::move(day));
          ++count;
        }
        return true;
      },
      why);
  if (added) *added = saved ? count : 0;
  return saved;
}
