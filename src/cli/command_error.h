#pragma once

#include <string>

// A command that cannot be done as asked; the message names what was wrong
// and what was expected.
struct CommandError {
  std::string message;
};

// What the user typed, in double quotes for a message; a control character
// shows as '?', so the message stays on one line.
inline std::string Quoted(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') c = '?';
  }
  return '"' + text + '"';
}
