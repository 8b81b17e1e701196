#pragma once

#include <string>

// Where the program finds and puts its files.

// The folder of the running program, whichever link started it; empty when
// the system cannot tell.
std::string ProgramFolder();

// The path of one of the program's own helper programs (the window): beside
// the running program in its build folder, else in its private folder
// (lib/zelmora) once installed.
std::string PrivateProgram(const char* name);

// The current folder as an absolute path; empty when it is gone (removed
// while the program ran), with errno telling why.
std::string CurrentFolder();

// The user's own folder for the program's files: $XDG_DATA_HOME/zelmora, by
// default ~/.local/share/zelmora. Empty when the user has no home folder.
std::string UserDataFolder();
// The same for what the program keeps of its own state ($XDG_STATE_HOME,
// ~/.local/state) and the user's choices ($XDG_CONFIG_HOME, ~/.config).
std::string UserStateFolder();
std::string UserConfigFolder();

// The absolute path of the program's data file name (the help page): from the
// installed data folder (found from the path of whichever installed program
// asks, so a moved installation works) or the build tree the program runs in,
// else from the current folder, so that a file someone left in a shared
// folder never stands in for the installed one. Empty when none has it.
std::string FindDataFile(const char* name);

// A file's absolute path as a file:// address, percent-encoded but for the
// characters a path may carry in an address.
std::string FileAddress(const std::string& absolutePath);

// The folder of the program's message catalogs, share/locale beside its data
// folder, in the build tree as once installed; empty when there is none.
std::string CatalogFolder();
