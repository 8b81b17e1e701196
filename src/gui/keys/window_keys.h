#pragma once

#include <FL/Enumerations.H>

#include <cstddef>
#include <optional>

#include "core/calendar/navigation.h"

// Every key of the program's windows, in one table: the window reads its
// steps and shortcuts here, and the help page and the manual page list the
// same rows in the same order (a test holds them to it).

enum class KeyCommand { kStep, kOpenMenu, kHelp, kQuit, kCloseWindow };

struct WindowKey {
  int shortcut;      // a key code, with FL_SHIFT or FL_CTRL when held
  const char* name;  // as the pages write it: "Shift+Page Up"
  const char* does;  // marked for the catalog
  KeyCommand command;
  Step step;  // for kStep only
};

extern const WindowKey kWindowKeys[];
extern const std::size_t kWindowKeyCount;

// The step the key asks for, with the modifiers held (Fl::event_state()).
std::optional<Step> StepForKey(int key, int state);
// The shortcut the command's menu item carries.
int ShortcutOf(KeyCommand command);
