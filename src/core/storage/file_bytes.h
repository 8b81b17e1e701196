#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <string>
#include <string_view>

// A file's bytes, read whole or mapped. Read whole, the memory is taken from
// the system with its pages already in place: a days file of megabytes would
// otherwise cost a page fault every 4 KiB, more than reading it. Mapped, the
// file is read once from its start to its end and the pages behind are let
// go, so that a file larger than the memory an answer may take is never
// resident at once.
class FileBytes {
 public:
  enum class Use { kWhole, kOnce };

  FileBytes() = default;
  ~FileBytes();
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  // Reads the file open at fd from its start, and *status as it was read; false with errno set when it
  // cannot be read (or keeps growing while it is read).
  bool Read(int fd, struct stat* status);
  // The file at path, read whole or (kOnce, a regular file) mapped as it is now; false with errno set
  // (ENOENT when there is none). A mapped file that another program cuts short while it is read ends
  // the process (SIGBUS): Zelmora's own saves replace the file by a rename and never do.
  bool Open(const std::string& path, Use use, struct stat* status);
  std::string_view Text() const { return {bytes_, size_}; }
  // The bytes before `before` will not be read again: their whole pages go back to the system, a step
  // of pages at a time. (A mapped file's pages would come again from the file.)
  void LetGo(size_t before);

 private:
  bool Take(size_t capacity);
  bool Map(int fd, struct stat* status);
  void Release();

  char* bytes_ = nullptr;
  size_t capacity_ = 0;
  size_t size_ = 0;
  size_t letGo_ = 0;  // the bytes before it went back to the system
};
