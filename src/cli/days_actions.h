#pragma once

#include <cstddef>
#include <string>

#include "cli/commands.h"

// The actions of the days command that others share or that live apart.

// Each action takes its own operands and options, and no others; throws
// CommandError naming the usage otherwise.
void CheckAction(const Invocation& call, const char* action, std::size_t operands, const char* usage);
// days import FILE: every day of the file, or none, each line that cannot be
// read named; the count of days added.
std::string ImportAction(const Invocation& call);
