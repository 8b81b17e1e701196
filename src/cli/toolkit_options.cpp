#include "cli/toolkit_options.h"

#include <cctype>
#include <cstring>

#include "cli/command_error.h"
#include "core/locale/translation.h"

namespace {

// FLTK 1.3's switches (Fl::arg): a single dash, then any prefix of the name
// at least `shortest` letters long, in either case; `value` names what the
// switch takes next, nullptr for none.
struct Switch {
  const char* name;
  std::size_t shortest;
  const char* value;
};
const Switch kSwitches[] = {
    {"iconic", 1, nullptr},         {"kbd", 1, nullptr},           {"nokbd", 3, nullptr},
    {"dnd", 2, nullptr},            {"nodnd", 3, nullptr},         {"tooltips", 2, nullptr},
    {"notooltips", 3, nullptr},     {"geometry", 1, "WxH+X+Y"},    {"display", 2, ":0"},
    {"title", 2, "Zelmora"},        {"classname", 2, "Zelmora"},   {"name", 2, "zelmora"},
    {"bg2", 3, "white"},            {"background2", 11, "white"},  {"bg", 2, "gray"},
    {"background", 10, "gray"},     {"fg", 2, "black"},            {"foreground", 10, "black"},
    {"scheme", 1, "gtk+"},
};

bool Abbreviates(const char* typed, const Switch& option) {
  const std::size_t length = std::strlen(typed);
  if (length < option.shortest || length > std::strlen(option.name)) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(typed[i])) != option.name[i]) return false;
  }
  return true;
}

const Switch* FindSwitch(const char* arg) {
  if (arg[0] != '-' || arg[1] == '-' || arg[1] == '\0') return nullptr;
  for (const Switch& option : kSwitches) {
    if (Abbreviates(arg + 1, option)) return &option;
  }
  return nullptr;
}

// X's geometry: [=][W{xX}H][{+-}X{+-}Y], as the toolkit reads it.
bool IsGeometry(const char* text) {
  if (*text == '=') ++text;
  return *text && std::strspn(text, "0123456789xX+-") == std::strlen(text);
}

}  // namespace

bool IsToolkitOption(const char* arg) { return FindSwitch(arg) != nullptr; }

std::string ToolkitArgumentsFault(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const Switch* option = FindSwitch(argv[i]);
    if (!option) {
      return Filled(Tr("unexpected argument %s after the window's options; expected more of them, such as "
                       "-geometry WxH+X+Y or -iconic"),
                    {Quoted(argv[i])});
    }
    if (!option->value) continue;
    if (++i == argc) {
      return Filled(Tr("%s needs a value; expected for example %s %s"), {argv[i - 1], argv[i - 1], option->value});
    }
    if (std::strcmp(option->name, "geometry") == 0 && !IsGeometry(argv[i])) {
      return Filled(Tr("%s is no geometry; expected WIDTHxHEIGHT+X+Y, for example 800x600+10+10"), {Quoted(argv[i])});
    }
  }
  return "";
}
