#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <string_view>

// A file's bytes, read whole. The memory is taken from the system with its
// pages already in place: a days file of megabytes would otherwise cost a
// page fault every 4 KiB, more than reading it.
class FileBytes {
 public:
  FileBytes() = default;
  ~FileBytes();
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  // Reads the file open at fd from its start, and *status as it was read; false with errno set when it
  // cannot be read (or keeps growing while it is read).
  bool Read(int fd, struct stat* status);
  std::string_view Text() const { return {bytes_, size_}; }

 private:
  bool Take(size_t capacity);
  void Release();

  char* bytes_ = nullptr;
  size_t capacity_ = 0;
  size_t size_ = 0;
};
