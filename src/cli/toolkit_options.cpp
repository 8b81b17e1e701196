#include "cli/toolkit_options.h"

#include <cctype>
#include <cstring>

namespace {

// FLTK 1.3's switches (Fl::arg): a single dash, then any prefix of the name
// at least `shortest` letters long, in either case.
struct Switch {
  const char* name;
  std::size_t shortest;
};
const Switch kSwitches[] = {
    {"iconic", 1},      {"kbd", 1},       {"nokbd", 3},       {"dnd", 2},         {"nodnd", 3},
    {"tooltips", 2},    {"notooltips", 3}, {"geometry", 1},   {"display", 2},     {"title", 2},
    {"classname", 2},   {"name", 2},      {"bg2", 3},         {"background2", 11}, {"bg", 2},
    {"background", 10}, {"fg", 2},        {"foreground", 10}, {"scheme", 1},
};

bool Abbreviates(const char* typed, const Switch& option) {
  const std::size_t length = std::strlen(typed);
  if (length < option.shortest || length > std::strlen(option.name)) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(typed[i])) != option.name[i]) return false;
  }
  return true;
}

}  // namespace

bool IsToolkitOption(const char* arg) {
  if (arg[0] != '-' || arg[1] == '-' || arg[1] == '\0') return false;
  for (const Switch& option : kSwitches) {
    if (Abbreviates(arg + 1, option)) return true;
  }
  return false;
}
