#pragma once

#include <ctime>
#include <string>
#include <string_view>

// iCalendar's text layer (RFC 5545, 3.1 and 3.3.11): content lines folded at
// 75 octets and TEXT values escaped on write; unfolded and unescaped on read.
// Both the holiday export and the user's days file use it.

// Appends one content line, folded after 75 octets (never inside a UTF-8
// character), each part ended by CRLF.
void AddLine(const std::string& line, std::string* ics);

// A TEXT value with backslash, semicolon, comma and newline escaped; a lone
// CR is a newline too, and the other control characters but tab are left out.
std::string Escaped(const std::string& text);
// The escaping undone; an unknown escape keeps its character.
std::string Unescaped(std::string_view value);

// One logical line of a file: its text unfolded, and where its physical
// lines stand in the file, to write them back byte for byte.
struct UnfoldedLine {
  int line = 0;           // [1, ...] the first physical line
  std::string_view text;  // into the file, or into the reader's buffer when folded (until the next line)
  size_t begin = 0;       // the first byte of the first physical line
  size_t end = 0;         // just past the last physical line, its line end left out
};

// The logical lines of a file, one at a time: lines end in CRLF or LF, a line
// that starts with a space or a tab goes on with the one before (the space
// or tab taken away), and empty lines are passed over.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool Next(UnfoldedLine* line);  // false at the end of the file

 private:
  // Where the physical line from begin ends, and where the next one starts.
  size_t LineEnd(size_t begin, size_t* next) const;

  std::string_view text_;
  size_t at_ = 0;
  int number_ = 0;
  std::string folded_;
};

// The bytes [begin, end) of a file with every line end made CRLF.
std::string WithCrlf(std::string_view raw);

// A content line's parts, views into its text: NAME;PARAM=VALUE;...:VALUE.
// Quoted parameter values keep their colons and semicolons.
struct LineParts {
  std::string_view name;
  std::string_view params;  // as written, from the first ';' on; empty when there are none
  std::string_view value;
};
// False when the line has no name or no colon.
bool SplitLine(std::string_view text, LineParts* parts);
// The text with its ASCII letters in upper case.
std::string UpperCase(std::string_view text);
// ASCII only, without the locale's tables: names and keywords are ASCII.
inline char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
// Whether a name or a value is word, whatever the letters' case (word in upper case).
inline bool Is(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  if (text == word) return true;  // most are written in upper case
  for (size_t i = 0; i < text.size(); ++i) {
    if (UpperAscii(text[i]) != word[i]) return false;
  }
  return true;
}
// The value of the parameter named (upper case) among params; empty when absent.
std::string_view ParamValue(std::string_view params, std::string_view name);

// The DTSTAMP line for now, in UTC; empty when the clock cannot be read.
std::string StampLine(std::time_t now);
