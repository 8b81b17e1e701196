#include "core/storage/file_bytes.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

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
  capacity_ = size_ = 0;
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
