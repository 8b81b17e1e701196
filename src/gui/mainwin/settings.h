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
