#pragma once

#include <string>

// Saving the files the program writes (the month's page and whatever else it
// exports) so that a reader finds either the old file or the new one whole:
// the bytes go to a temporary file in the target folder, are flushed to disk,
// and the temporary file then takes the file's name. Whatever step fails,
// every descriptor is closed, the temporary file is removed and the reason
// comes back in words the user can act on.

// The calls that carry a save to the disk, replaceable so that a test can
// watch the order they come in or make one of them fail.
struct SaveCalls {
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
};
extern SaveCalls saveCalls;

// Whether a save may replace a file that is already there.
enum class ExistingFile { kReplace, kKeep };

// Saves bytes as folder/name (folder absolute, or relative to the current
// folder); through a symbolic link, the file it names, the link kept. An
// existing file keeps its permission bits. With kKeep an existing file of
// that name is left as it is and counts as saved. On failure returns false and puts the system's reason
// ("Permission denied") in *why.
bool SaveInFolder(const std::string& folder, const char* name, const std::string& bytes, ExistingFile existing,
                  std::string* why);

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
