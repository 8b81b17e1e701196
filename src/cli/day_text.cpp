#include "cli/day_text.h"

#include <cstdio>
#include <ctime>
#include <iterator>
#include <vector>

#include "core/calendar/clock_source.h"
#include "cli/command_error.h"
#include "cli/date_argument.h"
#include "cli/json_text.h"
#include "core/locale/date_format.h"
#include "core/locale/ethiopian_time.h"
#include "core/locale/translation.h"

namespace {

std::string Formatted(const char* format, const Moment& moment) {
  std::string text, bad;
  if (!FormatMoment(format, moment, text, bad)) {
    throw CommandError{Filled(Tr("FORMAT %s has %s, which stands for nothing; expected %s (%s unpadded)%s"),
                              {Quoted(format), Quoted(bad), "%Y %y %m %d %e %F %D %B %b %A %a %j %n %t %%",
                               "%-d, %-m, ...", moment.hasTime ? " %H %M %S %p" : ""})};
  }
  return text + "\n";
}

}  // namespace

std::string DayAnswer(const DatePair& day, const Invocation& call, CalendarKind answered) {
  if (call.json && call.format) throw CommandError{Filled(Tr(kExclude), {"--json", "--format"})};
  if (call.json) return JsonDayOf(day.dates[Gregorian].dayNumber, call.style) + "\n";
  if (call.format) return Formatted(call.format, {day, call.toNamed ? call.to : answered, call.style});
  return DateLines(day, call.style);
}

std::string DateLines(const DatePair& day, TextStyle style) {
  return (style.language != Language::kEnglish || style.geez ? DateLinesIn(day, style) : day.Text()) + "\n";
}

std::string TagsIn(unsigned tags, Language language) {
  // HolidayTagText's words in the order of the tags' bits, for the catalog.
  const char* const kWords[] = {N_("public"), N_("church"), N_("expected"), N_("memorial"), N_("major"), N_("minor")};
  std::string text;
  for (std::size_t tag = 0; tag < std::size(kWords); ++tag) {
    if (tags & (1u << tag)) text += (text.empty() ? "" : ",") + std::string(Tr(kWords[tag], language));
  }
  return text;
}

std::string NowAnswer(const Invocation& call) {
  const std::time_t now = WallClock(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const Moment moment{Today(), Ethiopian, call.style, true, local.tm_hour, local.tm_min, local.tm_sec};
  if (call.format) return Formatted(call.format, moment);
  const EthiopianTime said = EthiopianTimeOf(local.tm_hour);
  // Ge'ez numerals have no zero, so only the Ethiopian hour takes them; the
  // minutes and the Western time keep their digits.
  char text[96];
  std::snprintf(text, sizeof text, "%s:%02d %s (%02d:%02d)\n", NumberIn(said.hour, call.style).c_str(), local.tm_min,
                DayPartName(said.part, call.style.language), local.tm_hour, local.tm_min);
  return text;
}
