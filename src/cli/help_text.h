#pragma once

#include <string>

// The usage of both programs, for -h and --help and after an unknown option.
std::string HelpText();
