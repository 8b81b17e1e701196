#include "core/storage/whole_save.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>

SaveCalls saveCalls = {fsync, close, rename};

namespace {

constexpr mode_t kNewFolder = 0700;  // private, as the XDG base directories ask
constexpr mode_t kNewFile = 0666;    // less the umask, like any program's new file
// mkostemp's six random letters and digits after the file's name.
const char kTempSuffix[] = ".XXXXXX";

// A temporary file beside the file it is to become. Until it has taken that
// name, going out of scope closes it and removes it, whatever failed.
class TempFile {
 public:
  explicit TempFile(const std::string& target) : path_(target + kTempSuffix) {
    fd_ = mkostemp(&path_[0], O_CLOEXEC);  // the opener started later must not inherit it
  }
  ~TempFile() {
    if (fd_ >= 0) close(fd_);
    if (fd_ != kNeverMade && !named_) unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool Made() const { return fd_ >= 0; }

  // Gives the file its permission bits (mkostemp's 0600 would hide it from
  // other readers), writes the bytes whole and flushes them to the disk.
  bool Fill(const std::string& bytes, mode_t mode) {
    fchmod(fd_, mode);
    for (std::size_t done = 0; done < bytes.size();) {
      const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    return saveCalls.fsync(fd_) == 0;
  }

  bool Close() {
    const int fd = fd_;
    fd_ = kClosed;  // gone even when close reports an error
    return saveCalls.close(fd) == 0;
  }

  bool TakeName(const std::string& target, ExistingFile existing) {
    if (existing == ExistingFile::kKeep) {
      // A link never replaces a file; the temporary file is then removed.
      if (link(path_.c_str(), target.c_str()) == 0 || errno == EEXIST) return true;
      // File systems without hard links (FAT, exFAT): a rename where no file is.
      if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP) return false;
      if (access(target.c_str(), F_OK) == 0) return true;
    }
    named_ = saveCalls.rename(path_.c_str(), target.c_str()) == 0;
    return named_;
  }

 private:
  static constexpr int kNeverMade = -1;
  static constexpr int kClosed = -2;
  std::string path_;
  int fd_;
  bool named_ = false;
};

// Where the bytes go: through a symbolic link to the file it names, so the
// link stays a link. A loop of links is left to fail as the system says.
std::string FileBehind(const std::string& target, int hops = 0) {
  constexpr int kMostHops = 40;  // as the kernel allows
  struct stat link{};
  if (hops > kMostHops || lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return target;
  std::string named(static_cast<std::size_t>(link.st_size) + 1, '\0');
  const ssize_t length = readlink(target.c_str(), &named[0], named.size());
  if (length <= 0) return target;
  named.resize(static_cast<std::size_t>(length));
  if (named[0] == '/') return FileBehind(named, hops + 1);
  return FileBehind(target.substr(0, target.rfind('/') + 1) + named, hops + 1);
}

// An existing file keeps its permission bits; a new one gets the usual bits
// less the umask (mkostemp's 0600 would hide it from other readers).
mode_t ModeFor(const std::string& target) {
  struct stat existing{};
  if (stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return kNewFile & ~mask;
}

// Flushes the folder, so that the file's new name survives a crash too.
bool SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = saveCalls.fsync(fd) == 0;
  close(fd);
  return synced;
}

// prefix (the file's name and a dot), then six letters and digits, not a
// word in lower-case letters alone.
bool IsLeftoverName(const std::string& entry, const std::string& prefix) {
  if (entry.size() != prefix.size() + std::strlen(kTempSuffix) - 1 || entry.compare(0, prefix.size(), prefix) != 0) {
    return false;
  }
  const auto suffix = entry.begin() + static_cast<std::ptrdiff_t>(prefix.size());
  const auto alphanumeric = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  const auto lower = [](char c) { return std::islower(static_cast<unsigned char>(c)) != 0; };
  return std::all_of(suffix, entry.end(), alphanumeric) && !std::all_of(suffix, entry.end(), lower);
}

bool Before(const std::timespec& a, const std::timespec& b) {
  return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

}  // namespace

bool MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    if (mkdir(folder.substr(0, slash).c_str(), kNewFolder) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}


bool SaveInFolder(const std::string& folder, const char* name, const std::string& bytes, ExistingFile existing,
                  std::string* why, std::string* warning) {
  const std::string target = FileBehind(folder + "/" + name);
  TempFile temp(target);
  if (!(temp.Made() && temp.Fill(bytes, ModeFor(target)) && temp.Close() && temp.TakeName(target, existing))) {
    *why = std::strerror(errno);
    return false;
  }
  // The new file is in place: a retry would save it twice, so this is no failure.
  if (!SyncFolder(target.substr(0, target.rfind('/'))) && warning) *warning = std::strerror(errno);
  return true;
}

void RemoveLeftovers(const std::string& folder, const char* name, const std::timespec& since) {
  const std::string target = FileBehind(folder + "/" + name);
  const std::string where = target.substr(0, target.rfind('/') + 1);
  const std::string prefix = target.substr(where.size()) + '.';
  std::unique_ptr<DIR, int (*)(DIR*)> entries(opendir(where.c_str()), closedir);
  for (const dirent* entry = entries ? readdir(entries.get()) : nullptr; entry; entry = readdir(entries.get())) {
    const std::string path = where + entry->d_name;
    struct stat status{};
    if (IsLeftoverName(entry->d_name, prefix) && lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        Before(status.st_mtim, since)) {
      unlink(path.c_str());
    }
  }
}
