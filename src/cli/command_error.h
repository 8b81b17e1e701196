#pragma once

#include <string>

// A command that cannot be done as asked; the message names what was wrong
// and what was expected.
struct CommandError {
  std::string message;
};
