#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Where a command's answer goes: written out in blocks as it is made, so
// that an answer of thousands of years never lies whole in memory and its
// first line comes at once; and where it says what went wrong on the way.
class Output {
 public:
  // `command` names the command in every line said on err.
  Output(std::FILE* out, std::FILE* err, const char* command) : out_(out), err_(err), command_(command) {}
  // Throws WriteFailed when the text cannot be written.
  void Write(std::string_view text);
  // Writes what is still held; throws WriteFailed.
  void Finish();
  // Each line of message on err, the command named on each.
  void Say(const std::string& message) const;
  // A fault that leaves the rest of the answer whole (the user's days file
  // cannot be read): said once, and the command ends with status 1.
  void Incomplete(const std::string& message);
  bool IsIncomplete() const { return incomplete_; }

 private:
  void Flush();

  std::FILE* out_;
  std::FILE* err_;
  const char* command_;
  std::string held_;
  bool incomplete_ = false;
};

// Days worked out at a time by an answer over many: a year, so that a long
// range stays small.
constexpr int kChunkDays = 366;

// The answer could not be written (a pipe closed, a disk full): errno's value.
struct WriteFailed {
  int error;
};
