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
#include "core/locale/translation.h"
#include "cli/command_options.h"
#include "cli/commands.h"
#include "cli/did_you_mean.h"
#include "cli/output.h"
#include "cli/help_text.h"
#include "cli/toolkit_options.h"
#include "core/identity/program_identity.h"

namespace {

constexpr int kFailed = 2;      // the exit status of any error
constexpr int kIncomplete = 1;  // an answer given without the user's days that cannot be read

struct Command {
  const char* name;
  const char* operand;  // its name in messages; nullptr when it takes none
  const char* missing;  // the message when a required operand is missing; nullptr when optional
  unsigned options;     // Option bits; the general ones (--amharic, --geez) go with every command
  CalendarKind defaultKind;
  void (*run)(const Invocation&, Output&);
  bool severalOperands = false;  // the command counts its operands itself
};

// A command whose answer is short, written once it is whole.
template <std::string (*answer)(const Invocation&)>
void Whole(const Invocation& call, Output& out) {
  out.Write(answer(call));
}

std::string Help(const Invocation&) { return HelpText(); }
std::string HelpCommand(const Invocation& call);

// The name as a command line types it, then the version; the notice follows.
std::string VersionText(const Invocation&) {
  std::string name = kProgramName;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name + " " + kVersion + "\n" + kNoticeText + "\n";
}

constexpr unsigned kDayOptions = kKindOptions | kFormatOptions | kJsonOption;

// One row a command; a new command is a new row.
const Command kCommands[] = {
    {"today", nullptr, nullptr, kDayOptions, Ethiopian, Whole<TodayCommand>},
    {"convert", N_("DATE"), N_("missing DATE; expected YEAR/MONTH/DAY, for example 2008/11/29"), kDayOptions, Gregorian,
     Whole<ConvertCommand>},
    {"month", N_("YEAR/MONTH"), nullptr, kKindOptions | kColorOption | kJsonOption, Ethiopian, MonthCommand},
    {"holidays", N_("YEAR or FROM-TO"), nullptr, kKindOptions | kIcsOptions | kJsonOption, Ethiopian, HolidaysCommand},
    {"now", nullptr, nullptr, kFormatOption, Ethiopian, Whole<NowCommand>},
    {"fasts", N_("YEAR"), nullptr, kJsonOption, Ethiopian, Whole<FastsCommand>},
    {"day", N_("DATE"), nullptr, kDayOptions, Ethiopian, DayCommand},
    {"bahire-hasab", N_("YEAR"), nullptr, kJsonOption, Ethiopian, Whole<BahireHasabCommand>},
    {"days", N_("ACTION"), nullptr, kKindOptions | kJsonOption | kDaysOptions | kCalendarOptions, Ethiopian, DaysCommand,
     true},
    {"agenda", N_("DAYS"), nullptr, kJsonOption | kTodayOption, Ethiopian, AgendaCommand},
    {"remind", N_("DAYS"), nullptr, kRemindOptions, Ethiopian, RemindCommand},
    {"help", N_("COMMAND"), nullptr, 0, Ethiopian, Whole<HelpCommand>},
    {"--help", nullptr, nullptr, 0, Ethiopian, Whole<Help>},
    {"-h", nullptr, nullptr, 0, Ethiopian, Whole<Help>},
    {"--version", nullptr, nullptr, 0, Ethiopian, Whole<VersionText>},
    {"-V", nullptr, nullptr, 0, Ethiopian, Whole<VersionText>},
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
  const char* unknown = IsOption(arg) ? N_("unknown option %s") : N_("unknown command %s");
  if (!near.empty()) return Filled(Tr("%s; did you mean \"%s\"?"), {Filled(Tr(unknown), {Quoted(arg)}), near});
  return Filled(Tr("%s; expected a command: %s (zelmora --help tells more)"),
                {Filled(Tr(unknown), {Quoted(arg)}), JoinedWithOr(names)});
}

// zelmora help COMMAND: the command's own help; with none, the whole.
std::string HelpCommand(const Invocation& call) {
  if (!call.operand) return HelpText();
  const std::string help = CommandHelpText(call.operand, call.style.language);
  if (help.empty()) throw CommandError{UnknownFirst(call.operand)};
  return help;
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
        throw CommandError{Filled(Tr("unknown option %s; expected %s"), {Quoted(arg), OptionsText(options)})};
      }
    } else if (command.operand && !call.operand) {
      call.operand = argv[args.next - 1];
    } else if (command.severalOperands) {
      call.more.push_back(argv[args.next - 1]);
    } else {
      throw CommandError{command.operand ? Filled(Tr("unexpected argument %s; expected one %s"), {Quoted(arg), Tr(command.operand)})
                                         : Filled(Tr("unexpected argument %s; expected none"), {Quoted(arg)})};
    }
  }
  if (command.missing && !call.operand) throw CommandError{Tr(command.missing)};
  if (call.toNamed && !call.format) throw CommandError{Filled(Tr(kGoesWith), {"--to", "--format"})};
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

}  // namespace

bool IsCommandLine(int argc, char** argv) {
  return argc > 1 && (!IsToolkitOption(argv[1]) || !ToolkitArgumentsFault(argc, argv).empty());
}

int RunCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err) {
  SpeakLanguage(LocaleLanguage());  // the messages for people, in the user's language
  const Command* command = FindCommand(argv[1]);
  if (!command) {
    const std::string fault = IsToolkitOption(argv[1]) ? ToolkitArgumentsFault(argc, argv) : UnknownFirst(argv[1]);
    std::fprintf(err, "zelmora: %s\n", fault.c_str());
    return kFailed;
  }
  Output output(out, err, command->name);
  try {
    if (AsksForHelp(argc, argv)) {
      const std::string help = CommandHelpText(command->name, LocaleLanguage());
      output.Write(help.empty() ? HelpText() : help);
    } else {
      command->run(ReadArguments(*command, argc, argv, isatty(fileno(out))), output);
    }
    output.Finish();
  } catch (const CommandError& error) {
    output.Say(error.message);
    return kFailed;
  } catch (const WriteFailed& failed) {
    output.Say(Filled(Tr("cannot write the output: %s"), {std::strerror(failed.error)}));
    return kFailed;
  }
  return output.IsIncomplete() ? kIncomplete : 0;
}
