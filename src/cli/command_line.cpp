#include "cli/command_line.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_error.h"
#include "cli/commands.h"
#include "cli/help_text.h"
#include "cli/toolkit_options.h"
#include "identity/program_identity.h"

namespace {

constexpr int kFailed = 2;  // the exit status of any error

// The options a command takes, as bits.
enum Option : unsigned {
  kKindOptions = 1u << 0,
  kColorOption = 1u << 1,
  kIcsOptions = 1u << 2,
  kFormatOption = 1u << 3,
  kJsonOption = 1u << 4,
  kScriptOptions = 1u << 5,
};
constexpr unsigned kDayOptions = kKindOptions | kFormatOption | kJsonOption | kScriptOptions;

struct Command {
  const char* name;
  const char* operand;  // its name in messages; nullptr when it takes none
  const char* missing;  // the message when a required operand is missing; nullptr when optional
  unsigned options;
  CalendarKind defaultKind;
  std::string (*run)(const Invocation&);
};

std::string Help(const Invocation&) { return HelpText(); }

// The name as a command line types it, then the version; the notice follows.
std::string VersionText(const Invocation&) {
  std::string name = kProgramName;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name + " " + kVersion + "\n" + kNoticeText + "\n";
}

const Command kCommands[] = {
    {"today", nullptr, nullptr, kDayOptions, Ethiopian, TodayCommand},
    {"convert", "DATE", "missing DATE; expected YEAR/MONTH/DAY, for example 2008/11/29", kDayOptions, Gregorian,
     ConvertCommand},
    {"month", "YEAR/MONTH", nullptr, kKindOptions | kColorOption | kScriptOptions, Ethiopian, MonthCommand},
    {"holidays", "YEAR or FROM-TO", nullptr, kKindOptions | kIcsOptions | kScriptOptions, Ethiopian, HolidaysCommand},
    {"now", nullptr, nullptr, kFormatOption | kScriptOptions, Ethiopian, NowCommand},
    {"fasts", "YEAR", nullptr, kScriptOptions, Ethiopian, FastsCommand},
    {"day", "DATE", nullptr, kKindOptions | kScriptOptions, Ethiopian, DayCommand},
    {"bahire-hasab", "YEAR", nullptr, 0, Ethiopian, BahireHasabCommand},
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

// What the command would take, for a message about an option it does not.
std::string OptionsText(unsigned options) {
  std::vector<std::string> names;
  if (options & kKindOptions) names.insert(names.end(), {"--ethiopian", "--gregorian"});
  if (options & kColorOption) names.emplace_back("--color=auto|always|never");
  if (options & kIcsOptions) names.insert(names.end(), {"--ics", "--fasts"});
  if (options & kFormatOption) names.emplace_back("--format FORMAT");
  if (options & kJsonOption) names.emplace_back("--json");
  if (options & kScriptOptions) names.insert(names.end(), {"--amharic", "--geez"});
  if (names.empty()) return "no options";
  std::string text = names.front();
  for (std::size_t i = 1; i < names.size(); ++i) text += (i + 1 == names.size() ? " or " : ", ") + names[i];
  return text;
}

enum class Color { kAuto, kAlways, kNever };

// The arguments still to be read, one at a time.
struct ArgumentList {
  int argc;
  char** argv;
  int next;
  bool Done() const { return next >= argc; }
  const char* Take() { return argv[next++]; }
};

// --format FORMAT or --format=FORMAT; false when `arg` is neither.
bool ReadFormat(const std::string& arg, ArgumentList& args, Invocation& call) {
  static const std::string kJoined = "--format=";
  if (arg.compare(0, kJoined.size(), kJoined) == 0) {
    call.format = args.argv[args.next - 1] + kJoined.size();
  } else if (arg == "--format") {
    if (args.Done()) throw CommandError{"--format needs a FORMAT; expected for example --format '%Y/%m/%d'"};
    call.format = args.Take();
  } else {
    return false;
  }
  return true;
}

bool ReadOption(const std::string& arg, unsigned options, ArgumentList& args, Invocation& call, Color& color) {
  if ((options & kKindOptions) && (arg == "--ethiopian" || arg == "--gregorian")) {
    call.kind = arg == "--ethiopian" ? Ethiopian : Gregorian;
    call.kindNamed = true;
  } else if ((options & kColorOption) && (arg == "--color=auto" || arg == "--color=always" || arg == "--color=never")) {
    color = arg == "--color=auto" ? Color::kAuto : arg == "--color=always" ? Color::kAlways : Color::kNever;
  } else if ((options & kIcsOptions) && (arg == "--ics" || arg == "--fasts")) {
    (arg == "--ics" ? call.ics : call.fasts) = true;
  } else if ((options & kJsonOption) && arg == "--json") {
    call.json = true;
  } else if ((options & kScriptOptions) && (arg == "--amharic" || arg == "--geez")) {
    if (arg == "--amharic") {
      call.style.language = Language::kAmharic;
    } else {
      call.style.geez = true;
    }
  } else {
    return (options & kFormatOption) && ReadFormat(arg, args, call);
  }
  return true;
}

bool IsOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

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
  call.style.language = LocaleLanguage();
  Color color = Color::kAuto;
  bool optionsEnded = false;
  for (ArgumentList args{argc, argv, 2}; !args.Done();) {
    const std::string arg = args.Take();
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && IsOption(arg)) {
      if (!ReadOption(arg, command.options, args, call, color)) {
        throw CommandError{"unknown option " + Quoted(arg) + "; expected " + OptionsText(command.options)};
      }
    } else if (command.operand && !call.operand) {
      call.operand = argv[args.next - 1];
    } else {
      throw CommandError{"unexpected argument " + Quoted(arg) + "; expected " +
                         (command.operand ? "one " + std::string(command.operand) : std::string("none"))};
    }
  }
  if (command.missing && !call.operand) throw CommandError{command.missing};
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

bool IsCommandLine(int argc, char** argv) {
  return argc > 1 && (FindCommand(argv[1]) || (IsOption(argv[1]) && !IsToolkitOption(argv[1])));
}

int RunCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err) {
  const Command* command = FindCommand(argv[1]);
  if (!command) {
    std::fprintf(err, "zelmora: unknown option %s\n\n", Quoted(argv[1]).c_str());
    Write(HelpText(), err);
    return kFailed;
  }
  std::string text;
  try {
    text = AsksForHelp(argc, argv) ? HelpText() : command->run(ReadArguments(*command, argc, argv, isatty(fileno(out))));
  } catch (const CommandError& error) {
    std::fprintf(err, "zelmora %s: %s\n", command->name, error.message.c_str());
    return kFailed;
  }
  if (!Write(text, out)) {
    std::fprintf(err, "zelmora %s: cannot write the output: %s\n", command->name, std::strerror(errno));
    return kFailed;
  }
  return 0;
}
