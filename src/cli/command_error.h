#pragma once

#include <string>

// A command that cannot be done as asked; the message names what was wrong
// and what was expected.
struct CommandError {
  std::string message;
};

// What the user typed, in double quotes for a message. Control characters
// and the characters that reorder text on screen (bidirectional marks,
// embeddings, overrides and isolates) show escaped, so the message stays on
// one line and reads as typed; a long argument is cut.
std::string Quoted(const std::string& text);

// Messages that several commands give, one catalog entry each: "%s and %s
// exclude each other", "%s goes with %s", and a calendar file not written (why).
extern const char kExclude[];
extern const char kGoesWith[];
extern const char kCannotWriteCalendar[];
