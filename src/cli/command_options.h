#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"

// The options of the commands, as bits that a command's row lists.
enum Option : unsigned {
  kKindOptions = 1u << 0,    // --ethiopian, --gregorian
  kColorOption = 1u << 1,    // --color[=auto|always|never]
  kIcsOptions = 1u << 2,     // --ics, --fasts, --remind WHEN
  kFormatOption = 1u << 3,   // --format FORMAT
  kToOption = 1u << 4,       // --to ethiopian|gregorian
  kJsonOption = 1u << 5,     // --json
  kScriptOptions = 1u << 6,  // --amharic, --geez
  kDaysOptions = 1u << 7,      // --every REPEAT, --note TEXT, --remind WHEN
  kCalendarOptions = 1u << 8,  // --ics, --rscale
  kTodayOption = 1u << 9,      // --today
  kRemindOptions = 1u << 10,   // --list, --fasts on|off, --feasts on|off, --enable, --disable
};
constexpr unsigned kFormatOptions = kFormatOption | kToOption;
// The options every command takes, as the help lists them.
constexpr unsigned kGeneralOptions = kScriptOptions;

enum class Color { kAuto, kAlways, kNever };

// The arguments still to be read, one at a time.
struct ArgumentList {
  int argc;
  char** argv;
  int next;
  bool Done() const { return next >= argc; }
  const char* Take() { return argv[next++]; }
};

// Reads the option `arg` (taking its value from `args` when it has one) into
// `call` or `color`; false when `arg` is none of `options`. Throws
// CommandError for a value that is missing or wrong.
bool ReadOption(const std::string& arg, unsigned options, ArgumentList& args, Invocation& call, Color& color);
// What `options` are, for a message about an option that is none of them.
std::string OptionsText(unsigned options);
// "a, b or c"; names holds one at least.
std::string JoinedWithOr(const std::vector<std::string>& names);
