#include "core/storage/whole_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

SaveCalls saveCalls = {fsync, close, rename};

namespace {

constexpr mode_t kNewFolder = 0700;  // private, as the XDG base directories ask
constexpr mode_t kNewFile = 0666;    // less the umask, like any program's new file

// A temporary file beside the file it is to become. Until it has taken that
// name, going out of scope closes it and removes it, whatever failed.
class TempFile {
 public:
  explicit TempFile(const std::string& target) : path_(target + ".XXXXXX") {
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

}  // namespace

bool MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    if (mkdir(folder.substr(0, slash).c_str(), kNewFolder) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}


bool SaveInFolder(const std::string& folder, const char* name, const std::string& bytes, ExistingFile existing,
                  std::string* why) {
  const std::string target = FileBehind(folder + "/" + name);
  TempFile temp(target);
  const bool saved = temp.Made() && temp.Fill(bytes, ModeFor(target)) && temp.Close() &&
                     temp.TakeName(target, existing) && SyncFolder(target.substr(0, target.rfind('/')));
  if (!saved) *why = std::strerror(errno);
  return saved;
}
