#pragma once

#include <string>

#include "core/storage/whole_save.h"

// What became of a save that may land in more than one place.
struct SaveOutcome {
  bool saved = false;
  std::string folder;   // when saved: the absolute folder that holds the file
  std::string failure;  // when not: one sentence naming every folder tried and why it failed
};

// Saves name (replacing it) into the current folder when that can be done;
// otherwise into the user's own data folder (UserDataFolder, made on first
// use).
SaveOutcome SaveWherePossible(const char* name, const std::string& bytes);
