#include "core/storage/file_bytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Pages go back a mebibyte at a time: one call to the system for thousands of days, not one a day.
constexpr size_t kLetGoStep = size_t{1} << 20;

}  // namespace

FileBytes::~FileBytes() { Release(); }

bool FileBytes::Take(size_t capacity) {
  Release();
  void* pages = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  if (pages == MAP_FAILED) return false;
  bytes_ = static_cast<char*>(pages);
  capacity_ = capacity;
  return true;
}

void FileBytes::Release() {
  if (bytes_) munmap(bytes_, capacity_);
  bytes_ = nullptr;
  capacity_ = size_ = letGo_ = 0;
}

bool FileBytes::Read(int fd, struct stat* status) {
  // A file that another program is still writing may grow between the size and the read: it is read
  // again at its new size, a few times at most.
  constexpr int kTries = 3;
  for (int attempt = 0; attempt < kTries; ++attempt) {
    // One byte more than the size, to see the file grow.
    if (fstat(fd, status) != 0 || !Take(static_cast<size_t>(status->st_size) + 1)) return false;
    while (size_ < capacity_) {
      const ssize_t n = pread(fd, bytes_ + size_, capacity_ - size_, static_cast<off_t>(size_));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      if (n == 0) return true;
      size_ += static_cast<size_t>(n);
    }
  }
  Release();
  errno = EAGAIN;
  return false;
}

// Anything but a regular file with bytes in it (a pipe, a folder, an empty file), or a file that its
// file system cannot map, is read whole as before, and fails as before.
bool FileBytes::Map(int fd, struct stat* status) {
  Release();
  if (fstat(fd, status) != 0) return false;
  const size_t size = static_cast<size_t>(status->st_size);
  void* pages = S_ISREG(status->st_mode) && size ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
  if (pages == MAP_FAILED) return Read(fd, status);
  madvise(pages, size, MADV_SEQUENTIAL);
  bytes_ = static_cast<char*>(pages);
  capacity_ = size_ = size;
  return true;
}

bool FileBytes::Open(const std::string& path, Use use, struct stat* status) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool read = use == Use::kOnce ? Map(fd, status) : Read(fd, status);
  const int error = errno;
  close(fd);
  errno = error;
  return read;
}

void FileBytes::LetGo(size_t before) {
  static const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  const size_t pages = before / page * page;
  if (pages < letGo_ + kLetGoStep) return;
  madvise(bytes_ + letGo_, pages - letGo_, MADV_DONTNEED);
  letGo_ = pages;
}
