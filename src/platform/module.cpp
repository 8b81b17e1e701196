#include "platform/module.h"

#include <dlfcn.h>

void* ModuleFunction(const char* module, const char* function, std::string* why) {
  // The name alone: the run path of the program (and of each module) names
  // the folder, and the dynamic loader keeps a module loaded once.
  void* handle = dlopen(module, RTLD_NOW | RTLD_LOCAL);
  void* found = handle ? dlsym(handle, function) : nullptr;
  if (!found) *why = dlerror();
  return found;
}
