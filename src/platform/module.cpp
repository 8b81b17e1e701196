#include "platform/module.h"

#include <dlfcn.h>
#include <unistd.h>

#include "platform/folders.h"

// The folder is found by hand rather than through a run path, which the
// sanitizers' dlopen does not honour.
void* ModuleFunction(const char* module, const char* function, std::string* why) {
  const std::string folder = ProgramFolder();
  const std::string beside = folder + "/" + module;
  const std::string installed = folder + "/" ZELMORA_MODULES_FROM_BIN "/" + module;
  const std::string& path = access(beside.c_str(), F_OK) == 0 ? beside : installed;
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);  // loaded once, however often asked
  void* found = handle ? dlsym(handle, function) : nullptr;
  const char* error = found ? nullptr : dlerror();
  if (!found) *why = error ? error : path + ": no " + function;
  return found;
}
