#pragma once

#include <ctime>
#include <string>
#include <vector>

// iCalendar's text layer (RFC 5545, 3.1 and 3.3.11): content lines folded at
// 75 octets and TEXT values escaped on write; unfolded and unescaped on read.
// Both the holiday export and the user's days file use it.

// Appends one content line, folded after 75 octets (never inside a UTF-8
// character), each part ended by CRLF.
void AddLine(const std::string& line, std::string* ics);

// A TEXT value with backslash, semicolon, comma and newline escaped.
std::string Escaped(const std::string& text);
// The escaping undone; an unknown escape keeps its character.
std::string Unescaped(const std::string& value);

// One logical line of a file: what it says unfolded, and its physical lines
// as they stood (CRLF between them), to write back byte for byte.
struct UnfoldedLine {
  int line = 0;  // [1, ...] the first physical line
  std::string text;
  std::string raw;
};
// Splits text at CRLF or LF and joins each line that starts with a space or
// a tab to the one before. Empty lines are dropped.
std::vector<UnfoldedLine> UnfoldedLines(const std::string& text);

// A content line taken apart: NAME;PARAM=VALUE;...:VALUE. Names and
// parameter names come upper-cased; quoted parameter values keep their colons.
struct ContentLine {
  std::string name;
  std::vector<std::pair<std::string, std::string>> params;
  std::string value;
  // The value of the parameter, empty when it is absent.
  std::string Param(const std::string& param) const;
};
// False when the line has no name or no colon.
bool ParseContentLine(const std::string& text, ContentLine* parsed);

// The DTSTAMP line for now, in UTC; empty when the clock cannot be read.
std::string StampLine(std::time_t now);
