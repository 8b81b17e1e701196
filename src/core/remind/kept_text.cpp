#include "core/remind/kept_text.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/locale/translation.h"
#include "core/storage/file_bytes.h"
#include "core/storage/whole_save.h"

std::string ReadKeptText(const std::string& folder, const char* name) {
  if (folder.empty()) return "";
  const int fd = open((folder + "/" + name).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return "";
  FileBytes bytes;
  struct stat status{};
  const bool read = bytes.Read(fd, &status);
  close(fd);
  return read ? std::string(bytes.Text()) : "";
}

bool SaveKeptText(const std::string& folder, const char* name, const std::string& text, std::string* why) {
  if (folder.empty()) {
    *why = Tr("the user has no home folder");
    return false;
  }
  if (!MakeFolders(folder)) {
    *why = folder + ": " + std::strerror(errno);
    return false;
  }
  return SaveInFolder(folder, name, text, ExistingFile::kReplace, why);
}
