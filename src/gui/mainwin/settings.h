#pragma once

#include "core/calendar/calendar_kind.h"
#include "core/language/language.h"

// What the main window keeps between runs, in the user's toolkit preferences
// (vendor and application "zelmora"). A first run gets these defaults.
struct Settings {
  CalendarKind baseKind = Ethiopian;
  bool holidays = true;
  bool fasts = false;
  bool saints = false;
  // The windows' language: by default the locale's. Ge'ez numerals for the
  // Ethiopian days and years.
  Language language = Language::kEnglish;
  bool geez = false;
  bool myDays = true;  // the user's own days marked in the grid and listed on the page
};

Settings LoadSettings();
void SaveSettings(const Settings& settings);

class Fl_Window;

// A window's size and place, kept apart from the choices under the window's
// name ("main", "clock"): saved as it closes, given back as it opens.
void SavePlace(const char* name, const Fl_Window& window);
// The window at its saved size; at its saved place too while any part of
// its top edge lies on a screen, else where the window manager puts it.
// Nothing saved leaves it as it is.
void RestorePlace(const char* name, Fl_Window* window);
