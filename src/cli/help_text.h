#pragma once

#include <string>

#include "core/language/language.h"

// The usage of both programs, for -h and --help and after an unknown option,
// in the language the terminal speaks.
std::string HelpText();
// One command's usage, options and an example, in the language; empty for
// a name that is no command.
std::string CommandHelpText(const char* command, Language language);
