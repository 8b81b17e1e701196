// The main window's menu, built from its tables: each Tool item's label,
// key, check state and handler stand in one row, so an item is found by its
// handler and shows the state the window keeps, never by its place.
#include <iterator>

#include "gui/keys/window_keys.h"
#include "core/locale/translation.h"
#include "gui/mainwin/calendar_ui.h"
#include "gui/mainwin/menu_titles.h"

namespace {

// An item with a key keeps it apart from its text however large the text grows.
Fl_Menu_Item Item(const char* label, Fl_Callback* cb, int flags, int key = 0) {
  return {label, key, cb, nullptr, flags, key ? MenuKeyItemLabel() : FL_NORMAL_LABEL, 0, 0, 0};
}
Fl_Menu_Item End() { return Item(nullptr, nullptr, 0); }
// A title on the bar, whose gap to the next grows with the window.
Fl_Menu_Item Title(const char* label, int flags) {
  Fl_Menu_Item title = Item(label, nullptr, flags);
  title.labeltype(MenuTitleLabel());
  return title;
}

}  // namespace

const CalendarUi::ToolAction CalendarUi::tool_actions[] = {
    {N_("Clock"), 0, nullptr, cb_Clock},
    {N_("Output html"), 0, nullptr, cb_Output},
    {N_("Holidays"), 0, [](const CalendarUi& ui) { return ui.show_holidays; }, cb_Holidays},
    {N_("Fasting days"), 0, [](const CalendarUi& ui) { return ui.show_fasts; }, cb_Fasting},
    {N_("Saints' days"), 0, [](const CalendarUi& ui) { return ui.show_saints; }, cb_Saints},
    {N_("Remind of fasts"), 0, [](const CalendarUi& ui) { return ui.reminders.settings.fasts; }, cb_RemindFasts},
    {N_("Remind of feasts"), 0, [](const CalendarUi& ui) { return ui.reminders.settings.feasts; }, cb_RemindFeasts},
    {N_("Bahire Hasab"), 0, nullptr, cb_Bahire},
    {N_("My days"), 0, [](const CalendarUi& ui) { return ui.show_my_days; }, cb_My},
    {N_("All my days\u2026"), 0, nullptr, cb_All},
    {N_("Export holidays\u2026"), 0, nullptr, cb_Export},
    {N_("Amharic"), 0, [](const CalendarUi& ui) { return ui.style.language == Language::kAmharic; }, cb_Script},
    {N_("Ge'ez numerals"), 0, [](const CalendarUi& ui) { return ui.style.geez; }, cb_Geez},
};
const std::size_t CalendarUi::tool_action_count = std::size(tool_actions);

// File and Goto are kept but never offered. MainWindow finds the keys of
// hidden items too.
void CalendarUi::BuildMenu() {
  constexpr int kHiddenMenu = FL_SUBMENU | FL_MENU_INVISIBLE | FL_MENU_INACTIVE;
  main_menu = {Title(N_("File"), kHiddenMenu),         Item(N_("Import Holiday"), nullptr, 0),
               Item(N_("Save Option"), nullptr, 0),    Item(N_("Load Option"), nullptr, 0),
               Item(N_("Exit"), cb_Exit, 0),           End(),
               Title(N_("Goto"), kHiddenMenu),         Item(N_("Today"), nullptr, FL_MENU_INACTIVE),
               End(),                                  Title(N_("Tool"), FL_SUBMENU)};
  // A line between the check items and the commands.
  for (std::size_t i = 0; i < tool_action_count; ++i) {
    const ToolAction& action = tool_actions[i];
    const bool last = i + 1 == tool_action_count;
    const bool divider = !last && !action.state != !tool_actions[i + 1].state;
    main_menu.push_back(Item(action.label, action.handler, (action.state ? FL_MENU_TOGGLE : 0) | (divider ? FL_MENU_DIVIDER : 0), action.key));
  }
  main_menu.insert(main_menu.end(),
                   {End(), Title(N_("Help"), FL_SUBMENU),
                    Item(N_("Help Contents"), cb_Help, 0, ShortcutOf(KeyCommand::kHelp)),
                    Item(N_("Website"), cb_Website, 0), Item(N_("About"), cb_About, 0), End(),
                    // Never offered: it carries the key that closes every window.
                    Item(N_("Quit"), cb_Quit, FL_MENU_INVISIBLE, ShortcutOf(KeyCommand::kQuit)), End()});
}

Fl_Menu_Item* CalendarUi::ItemOf(Fl_Callback* handler) {
  for (Fl_Menu_Item& item : main_menu) {
    if (item.label() && item.callback() == handler) return &item;
  }
  return nullptr;
}

// Each check item shows the state it stands for.
void CalendarUi::ShowChecks() {
  for (const ToolAction& action : tool_actions) {
    if (action.state) action.state(*this) ? ItemOf(action.handler)->set() : ItemOf(action.handler)->clear();
  }
}
