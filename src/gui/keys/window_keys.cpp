#include "gui/keys/window_keys.h"

#include <iterator>

#include "core/locale/translation.h"

namespace {
// The modifiers a shortcut may name; others (Num Lock, a mouse button) are ignored.
constexpr int kModifiers = FL_SHIFT | FL_CTRL | FL_ALT | FL_META;
}  // namespace

const WindowKey kWindowKeys[] = {
    {FL_Left, "Left", N_("One day back."), KeyCommand::kStep, Step::kPrevDay},
    {FL_Right, "Right", N_("One day forward."), KeyCommand::kStep, Step::kNextDay},
    {FL_Up, "Up", N_("One week back."), KeyCommand::kStep, Step::kPrevWeek},
    {FL_Down, "Down", N_("One week forward."), KeyCommand::kStep, Step::kNextWeek},
    {FL_Page_Up, "Page Up", N_("One month back."), KeyCommand::kStep, Step::kPrevMonth},
    {FL_Page_Down, "Page Down", N_("One month forward."), KeyCommand::kStep, Step::kNextMonth},
    {FL_SHIFT | FL_Page_Up, "Shift+Page Up", N_("One year back."), KeyCommand::kStep, Step::kPrevYear},
    {FL_SHIFT | FL_Page_Down, "Shift+Page Down", N_("One year forward."), KeyCommand::kStep, Step::kNextYear},
    {FL_Home, "Home", N_("Back to today."), KeyCommand::kStep, Step::kToday},
    {FL_F + 10, "F10", N_("Opens the Tool menu."), KeyCommand::kOpenMenu, Step::kToday},
    {FL_F + 1, "F1", N_("Opens the help page."), KeyCommand::kHelp, Step::kToday},
    {FL_CTRL | 'q', "Ctrl+Q", N_("Closes every window of the program, and so ends it."), KeyCommand::kQuit,
     Step::kToday},
    {FL_Escape, "Escape", N_("Closes the window that has the focus, unless it is the main window."),
     KeyCommand::kCloseWindow, Step::kToday},
};
const std::size_t kWindowKeyCount = std::size(kWindowKeys);

std::optional<Step> StepForKey(int key, int state) {
  const int shortcut = key | (state & kModifiers);
  for (const WindowKey& row : kWindowKeys) {
    if (row.command == KeyCommand::kStep && row.shortcut == shortcut) return row.step;
  }
  return std::nullopt;
}

int ShortcutOf(KeyCommand command) {
  for (const WindowKey& row : kWindowKeys) {
    if (row.command == command) return row.shortcut;
  }
  return 0;
}
