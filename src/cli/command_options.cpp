#include "cli/command_options.h"

#include <vector>

#include "cli/command_error.h"
#include "core/locale/translation.h"

namespace {

// "--NAME VALUE" or "--NAME=VALUE": the value, or nullptr when `arg` is
// neither. `what` and `example` name a value in the message when it is missing.
const char* Value(const std::string& arg, const std::string& name, ArgumentList& args, const char* what,
                  const char* example) {
  const std::string joined = name + "=";
  if (arg.compare(0, joined.size(), joined) == 0) return args.argv[args.next - 1] + joined.size();
  if (arg != name) return nullptr;
  if (args.Done()) throw CommandError{Filled(Tr("%s needs %s; expected for example %s %s"), {name, Tr(what), name, example})};
  return args.Take();
}

bool ReadFormat(const std::string& arg, ArgumentList& args, Invocation& call) {
  const char* format = Value(arg, "--format", args, N_("a FORMAT"), "'%Y/%m/%d'");
  if (format) call.format = format;
  return format;
}

bool ReadTo(const std::string& arg, ArgumentList& args, Invocation& call) {
  const char* to = Value(arg, "--to", args, N_("a calendar"), "gregorian");
  if (!to) return false;
  const std::string kind = to;
  if (kind != "ethiopian" && kind != "gregorian") {
    throw CommandError{Filled(Tr("--to %s names no calendar; expected --to ethiopian or --to gregorian"), {Quoted(kind)})};
  }
  call.to = kind == "ethiopian" ? Ethiopian : Gregorian;
  call.toNamed = true;
  return true;
}

// --every REPEAT and --note TEXT, of a day to be added.
bool ReadDayValues(const std::string& arg, ArgumentList& args, Invocation& call) {
  const char* every = Value(arg, "--every", args, N_("a REPEAT"), "year");
  const char* note = every ? nullptr : Value(arg, "--note", args, N_("a TEXT"), "'born in Gondar'");
  if (every) call.every = every;
  if (note) call.note = note;
  return every || note;
}

// The reminders' own: what is listed, turned on or off, or set to run by itself.
bool ReadRemindOption(const std::string& arg, ArgumentList& args, Invocation& call) {
  if (arg == "--list" || arg == "--enable" || arg == "--disable") {
    (arg == "--list" ? call.reminding.list : call.reminding.setup) = args.argv[args.next - 1];
    return true;
  }
  const char* fasts = Value(arg, "--fasts", args, N_("on or off"), "on");
  const char* feasts = fasts ? nullptr : Value(arg, "--feasts", args, N_("on or off"), "on");
  if (fasts) call.reminding.fasts = fasts;
  if (feasts) call.reminding.feasts = feasts;
  return fasts || feasts;
}

// --remind WHEN, of a day to be added or of the holidays written for a phone; repeatable.
bool ReadRemind(const std::string& arg, ArgumentList& args, Invocation& call) {
  const char* when = Value(arg, "--remind", args, N_("a WHEN"), "7d@09:00");
  if (when) call.remind.emplace_back(when);
  return when;
}

// --color alone is --color=always, as cal(1) and ls(1) take it.
bool ReadColor(const std::string& arg, Color& color) {
  if (arg == "--color" || arg == "--color=always") {
    color = Color::kAlways;
  } else if (arg == "--color=auto" || arg == "--color=never") {
    color = arg == "--color=auto" ? Color::kAuto : Color::kNever;
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool ReadOption(const std::string& arg, unsigned options, ArgumentList& args, Invocation& call, Color& color) {
  if ((options & kKindOptions) && (arg == "--ethiopian" || arg == "--gregorian")) {
    call.kind = arg == "--ethiopian" ? Ethiopian : Gregorian;
    call.kindNamed = true;
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
  } else if ((options & kCalendarOptions) && (arg == "--ics" || arg == "--rscale")) {
    (arg == "--ics" ? call.ics : call.rscale) = true;
  } else if ((options & kTodayOption) && arg == "--today") {
    call.today = true;
  } else {
    return ((options & kColorOption) && ReadColor(arg, color)) || ((options & kFormatOption) && ReadFormat(arg, args, call)) ||
           ((options & kToOption) && ReadTo(arg, args, call)) || ((options & kDaysOptions) && ReadDayValues(arg, args, call)) ||
           ((options & (kDaysOptions | kIcsOptions)) && ReadRemind(arg, args, call)) ||
           ((options & kRemindOptions) && ReadRemindOption(arg, args, call));
  }
  return true;
}

std::string OptionsText(unsigned options) {
  std::vector<std::string> names;
  if (options & kKindOptions) names.insert(names.end(), {"--ethiopian", "--gregorian"});
  if (options & kColorOption) names.emplace_back("--color[=auto|always|never]");
  if (options & kIcsOptions) names.insert(names.end(), {"--ics", "--fasts", Tr("--remind WHEN")});
  if (options & kFormatOption) names.emplace_back(Tr("--format FORMAT"));
  if (options & kToOption) names.emplace_back("--to ethiopian|gregorian");
  if (options & kJsonOption) names.emplace_back("--json");
  if (options & kDaysOptions) names.insert(names.end(), {Tr("--every REPEAT"), Tr("--note TEXT"), Tr("--remind WHEN")});
  if (options & kCalendarOptions) names.insert(names.end(), {"--ics", "--rscale"});
  if (options & kTodayOption) names.emplace_back("--today");
  if (options & kRemindOptions) names.insert(names.end(), {"--list", "--fasts on|off", "--feasts on|off", "--enable", "--disable"});
  if (options & kScriptOptions) names.insert(names.end(), {"--amharic", "--geez"});
  return names.empty() ? Tr("no options") : JoinedWithOr(names);
}

std::string JoinedWithOr(const std::vector<std::string>& names) {
  std::string text = names.front();
  for (std::size_t i = 1; i < names.size(); ++i) text += (i + 1 == names.size() ? Tr(" or ") : ", ") + names[i];
  return text;
}
