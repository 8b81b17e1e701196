#include "gui/desktop/display_without_input_method.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// No input-method server goes by this name, so libX11 neither starts its own
// (as for "@im=none" or none named) nor finds another: one look at the root
// window's list of servers.
constexpr char kNoInputMethod[] = "@im=zelmora-none";
constexpr char kModifiers[] = "XMODIFIERS";

void Unsaid(const char*, ...) {}

}  // namespace

void OpenDisplayWithoutInputMethod() {
  const char* inherited = std::getenv(kModifiers);
  const std::optional<std::string> saved = inherited ? std::optional<std::string>(inherited) : std::nullopt;
  setenv(kModifiers, kNoInputMethod, 1);
  // The toolkit says "XOpenIM() failed", which is what was asked for.
  void (*warning)(const char*, ...) = Fl::warning;
  Fl::warning = Unsaid;
  fl_open_display();
  Fl::warning = warning;
  if (saved) {
    setenv(kModifiers, saved->c_str(), 1);
  } else {
    unsetenv(kModifiers);
  }
}
