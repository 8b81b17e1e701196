#include "cli/command_line.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_error.h"
#include "cli/commands.h"
#include "identity/program_identity.h"

namespace {

constexpr int kFailed = 2;  // the exit status of any error

// The options a command takes, as bits.
enum Option : unsigned { kKindOptions = 1u << 0, kColorOption = 1u << 1, kIcsOptions = 1u << 2 };

struct Command {
  const char* name;
  const char* operand;  // its name in messages; nullptr when it takes none
  const char* missing;  // the message when a required operand is missing; nullptr when optional
  unsigned options;
  CalendarKind defaultKind;
  std::string (*run)(const Invocation&);
};

std::string HelpText(const Invocation&);
std::string VersionText(const Invocation&) { return std::string(kVersionText) + "\n"; }

const Command kCommands[] = {
    {"today", nullptr, nullptr, 0, Ethiopian, TodayCommand},
    {"convert", "DATE", "missing DATE; expected YEAR/MONTH/DAY, for example 2008/11/29", kKindOptions, Gregorian,
     ConvertCommand},
    {"month", "YEAR/MONTH", nullptr, kKindOptions | kColorOption, Ethiopian, MonthCommand},
    {"holidays", "YEAR or FROM-TO", nullptr, kKindOptions | kIcsOptions, Ethiopian, HolidaysCommand},
    {"fasts", "YEAR", nullptr, 0, Ethiopian, FastsCommand},
    {"day", "DATE", nullptr, kKindOptions, Ethiopian, DayCommand},
    {"bahire-hasab", "YEAR", nullptr, 0, Ethiopian, BahireHasabCommand},
    {"--help", nullptr, nullptr, 0, Ethiopian, HelpText},
    {"--version", nullptr, nullptr, 0, Ethiopian, VersionText},
};

const char kHelp[] =
    "Usage: zelmora [TOOLKIT OPTIONS]     open the calendar window\n"
    "       zelmora COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  today                      today in both calendars\n"
    "  convert DATE               the day DATE (YEAR/MONTH/DAY) in both calendars;\n"
    "                             DATE is Gregorian unless --ethiopian is given\n"
    "  month [YEAR/MONTH]         a month with both calendars' day numbers and its\n"
    "                             holidays; Ethiopian unless --gregorian is given\n"
    "  holidays [YEAR|FROM-TO]    the holidays of an Ethiopian year (or years), or\n"
    "                             of Gregorian ones with --gregorian\n"
    "  fasts [YEAR]               the fasting periods of an Ethiopian year\n"
    "  day [DATE]                 a day in both calendars, with its holidays, fast\n"
    "                             and saint's day; DATE is Ethiopian unless\n"
    "                             --gregorian is given\n"
    "  bahire-hasab [YEAR]        the Bahire Hasab figures of an Ethiopian year\n"
    "  --help                     this text\n"
    "  --version                  the program's version\n"
    "\n"
    "Options:\n"
    "  --ethiopian, --gregorian   the calendar of the argument and of the month\n"
    "  --color=auto|always|never  month: highlight today (auto: on a terminal)\n"
    "  --ics                      holidays: write an iCalendar file instead; with\n"
    "                             no year, of this year and the next two\n"
    "  --fasts                    holidays --ics: the fasting periods too\n"
    "\n"
    "Examples:\n"
    "  zelmora convert 2008/11/29\n"
    "  zelmora convert --ethiopian 2001/3/20\n"
    "  zelmora month 2001/13\n"
    "  zelmora holidays --ics > holidays.ics\n"
    "  zelmora holidays --gregorian 2025-2027\n"
    "  zelmora day --gregorian 2026/1/7\n";

std::string HelpText(const Invocation&) { return kHelp; }

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
  if (names.empty()) return "no options";
  std::string text = names.front();
  for (std::size_t i = 1; i < names.size(); ++i) text += (i + 1 == names.size() ? " or " : ", ") + names[i];
  return text;
}

enum class Color { kAuto, kAlways, kNever };

bool ReadOption(const std::string& arg, unsigned options, Invocation& call, Color& color) {
  if ((options & kKindOptions) && (arg == "--ethiopian" || arg == "--gregorian")) {
    call.kind = arg == "--ethiopian" ? Ethiopian : Gregorian;
  } else if ((options & kColorOption) && (arg == "--color=auto" || arg == "--color=always" || arg == "--color=never")) {
    color = arg == "--color=auto" ? Color::kAuto : arg == "--color=always" ? Color::kAlways : Color::kNever;
  } else if ((options & kIcsOptions) && (arg == "--ics" || arg == "--fasts")) {
    (arg == "--ics" ? call.ics : call.fasts) = true;
  } else {
    return false;
  }
  return true;
}

bool IsOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

Invocation ReadArguments(const Command& command, int argc, char** argv, bool outIsTerminal) {
  Invocation call;
  call.kind = command.defaultKind;
  Color color = Color::kAuto;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (IsOption(arg)) {
      if (!ReadOption(arg, command.options, call, color)) {
        throw CommandError{"unknown option " + Quoted(arg) + "; expected " + OptionsText(command.options)};
      }
    } else if (command.operand && !call.operand) {
      call.operand = argv[i];
    } else {
      throw CommandError{"unexpected argument " + Quoted(arg) + "; expected " +
                         (command.operand ? "one " + std::string(command.operand) : std::string("none"))};
    }
  }
  if (command.missing && !call.operand) throw CommandError{command.missing};
  call.highlight = color == Color::kAlways || (color == Color::kAuto && outIsTerminal);
  return call;
}

// "--help" after any command asks for the help text, whatever else is there.
bool AsksForHelp(int argc, char** argv) {
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) return true;
  }
  return false;
}

}  // namespace

bool IsCommandLine(int argc, char** argv) { return argc > 1 && FindCommand(argv[1]); }

int RunCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err) {
  const Command& command = *FindCommand(argv[1]);
  std::string text;
  try {
    text = AsksForHelp(argc, argv) ? kHelp : command.run(ReadArguments(command, argc, argv, isatty(fileno(out))));
  } catch (const CommandError& error) {
    std::fprintf(err, "zelmora %s: %s\n", command.name, error.message.c_str());
    return kFailed;
  }
  if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
    std::fprintf(err, "zelmora %s: cannot write the output: %s\n", command.name, std::strerror(errno));
    return kFailed;
  }
  return 0;
}
