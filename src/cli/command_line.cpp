#include "cli/command_line.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_error.h"
#include "cli/command_options.h"
#include "cli/commands.h"
#include "cli/did_you_mean.h"
#include "cli/help_text.h"
#include "cli/toolkit_options.h"
#include "core/identity/program_identity.h"

namespace {

constexpr int kFailed = 2;  // the exit status of any error

struct Command {
  const char* name;
  const char* operand;  // its name in messages; nullptr when it takes none
  const char* missing;  // the message when a required operand is missing; nullptr when optional
  unsigned options;     // Option bits; the general ones (--amharic, --geez) go with every command
  CalendarKind defaultKind;
  std::string (*run)(const Invocation&);
  bool severalOperands = false;  // the command counts its operands itself
};

std::string Help(const Invocation&) { return HelpText(); }

// The name as a command line types it, then the version; the notice follows.
std::string VersionText(const Invocation&) {
  std::string name = kProgramName;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name + " " + kVersion + "\n" + kNoticeText + "\n";
}

constexpr unsigned kDayOptions = kKindOptions | kFormatOptions | kJsonOption;

// One row a command; a new command is a new row.
const Command kCommands[] = {
    {"today", nullptr, nullptr, kDayOptions, Ethiopian, TodayCommand},
    {"convert", "DATE", "missing DATE; expected YEAR/MONTH/DAY, for example 2008/11/29", kDayOptions, Gregorian,
     ConvertCommand},
    {"month", "YEAR/MONTH", nullptr, kKindOptions | kColorOption | kJsonOption, Ethiopian, MonthCommand},
    {"holidays", "YEAR or FROM-TO", nullptr, kKindOptions | kIcsOptions | kJsonOption, Ethiopian, HolidaysCommand},
    {"now", nullptr, nullptr, kFormatOption, Ethiopian, NowCommand},
    {"fasts", "YEAR", nullptr, kJsonOption, Ethiopian, FastsCommand},
    {"day", "DATE", nullptr, kDayOptions, Ethiopian, DayCommand},
    {"bahire-hasab", "YEAR", nullptr, kJsonOption, Ethiopian, BahireHasabCommand},
    {"days", "ACTION", nullptr, kKindOptions | kJsonOption | kDaysOptions | kCalendarOptions, Ethiopian, DaysCommand,
     true},
    {"agenda", "DAYS", nullptr, kJsonOption | kTodayOption, Ethiopian, AgendaCommand},
    {"--help", nullptr, nullptr, 0, Ethiopian, Help},
    {"-h", nullptr, nullptr, 0, Ethiopian, Help},
    {"--version", nullptr, nullptr, 0, Ethiopian, VersionText},
    {"-V", nullptr, nullptr, 0, Ethiopian, VersionText},
};

const Command* FindCommand(const char* name) {
  for (const Command& command : kCommands) {
    if (std::strcmp(command.name, name) == 0) return &command;
  }
  return nullptr;
}

bool IsOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

// The commands proper, as a message lists them.
std::vector<std::string> CommandNames() {
  std::vector<std::string> names;
  for (const Command& command : kCommands) {
    if (!IsOption(command.name)) names.emplace_back(command.name);
  }
  return names;
}

// One line for a first argument that is neither a command nor the toolkit's.
std::string UnknownFirst(const std::string& arg) {
  const std::vector<std::string> names = CommandNames();
  std::string near = NearestName(arg, names);
  // "--geometry" for the toolkit's "-geometry"
  if (near.empty() && arg.compare(0, 2, "--") == 0 && IsToolkitOption(arg.c_str() + 1)) near = arg.substr(1);
  const std::string what = IsOption(arg) ? "option " : "command ";
  if (!near.empty()) return "unknown " + what + Quoted(arg) + "; did you mean \"" + near + "\"?";
  return "unknown " + what + Quoted(arg) + "; expected a command: " + JoinedWithOr(names) + " (zelmora --help tells more)";
}

// Highlighting on a terminal that shows it, unless the user asked for none
// (https://no-color.org: NO_COLOR set and not empty).
bool TerminalShowsColor(bool outIsTerminal) {
  const char* noColor = std::getenv("NO_COLOR");
  const char* term = std::getenv("TERM");
  return outIsTerminal && !(noColor && *noColor) && !(term && std::strcmp(term, "dumb") == 0);
}

Invocation ReadArguments(const Command& command, int argc, char** argv, bool outIsTerminal) {
  Invocation call;
  call.kind = command.defaultKind;
  // English until --amharic says otherwise; text for people then follows the
  // locale, JSON never does, so a script reads the same names on any desktop.
  call.style.language = Language::kEnglish;
  Color color = Color::kAuto;
  bool optionsEnded = false;
  const unsigned options = command.options | kGeneralOptions;
  for (ArgumentList args{argc, argv, 2}; !args.Done();) {
    const std::string arg = args.Take();
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && IsOption(arg)) {
      if (!ReadOption(arg, options, args, call, color)) {
        throw CommandError{"unknown option " + Quoted(arg) + "; expected " + OptionsText(options)};
      }
    } else if (command.operand && !call.operand) {
      call.operand = argv[args.next - 1];
    } else if (command.severalOperands) {
      call.more.push_back(argv[args.next - 1]);
    } else {
      throw CommandError{"unexpected argument " + Quoted(arg) + "; expected " +
                         (command.operand ? "one " + std::string(command.operand) : std::string("none"))};
    }
  }
  if (command.missing && !call.operand) throw CommandError{command.missing};
  if (call.style.language == Language::kEnglish && !call.json) call.style.language = LocaleLanguage();
  call.highlight = color == Color::kAlways || (color == Color::kAuto && TerminalShowsColor(outIsTerminal));
  return call;
}

// -h or --help after any command, before "--", asks for the help text,
// whatever else is there.
bool AsksForHelp(int argc, char** argv) {
  for (int i = 2; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  }
  return false;
}

bool Write(const std::string& text, std::FILE* out) {
  return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
}

}  // namespace

bool IsCommandLine(int argc, char** argv) { return argc > 1 && !IsToolkitOption(argv[1]); }

int RunCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err) {
  const Command* command = FindCommand(argv[1]);
  if (!command) {
    std::fprintf(err, "zelmora: %s\n", UnknownFirst(argv[1]).c_str());
    return kFailed;
  }
  std::string text;
  try {
    text = AsksForHelp(argc, argv) ? HelpText() : command->run(ReadArguments(*command, argc, argv, isatty(fileno(out))));
  } catch (const CommandError& error) {
    // A message of several lines (a file's faults, line by line) names the command on each.
    for (std::size_t from = 0; from < error.message.size();) {
      const std::size_t end = std::min(error.message.find('\n', from), error.message.size());
      std::fprintf(err, "zelmora %s: %s\n", command->name, error.message.substr(from, end - from).c_str());
      from = end + 1;
    }
    return kFailed;
  }
  if (!Write(text, out)) {
    std::fprintf(err, "zelmora %s: cannot write the output: %s\n", command->name, std::strerror(errno));
    return kFailed;
  }
  return 0;
}
