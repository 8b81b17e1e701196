#pragma once

#include <ctime>
#include <string>

// Saving the files the program writes (the month's page, the user's days)
// so that a reader finds either the old file or the new one whole: the bytes
// go to a temporary file in the target folder, are flushed to disk, and the
// temporary file then takes the file's name. Whatever step fails, every
// descriptor is closed, the temporary file is removed and the reason comes
// back in words the user can act on.

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
// ("Permission denied") in *why. Once the file has its name the save stands: when the folder cannot
// be flushed after it, the reason goes to *warning (when given) and the save still counts.
bool SaveInFolder(const std::string& folder, const char* name, const std::string& bytes, ExistingFile existing,
                  std::string* why, std::string* warning = nullptr);

// Removes the temporary files that saves of folder/name stopped midway left
// behind (name.XXXXXX beside the file behind a link), last changed before
// `since`: a save still running has touched its own since. A suffix of
// lower-case letters alone (name.backup) is a word, the user's own file,
// and stays.
void RemoveLeftovers(const std::string& folder, const char* name, const std::timespec& since);

// Makes folder and the folders above it that are missing (0700, as the XDG
// base directories ask); false with errno set when one cannot be made.
bool MakeFolders(const std::string& folder);
