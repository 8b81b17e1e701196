#include "core/days/rule_text.h"

#include <string_view>
#include <utility>

#include "core/days/repeat_dates.h"
#include "core/ical/content_line.h"

namespace {

// The rules Zelmora writes, as it spells them.
constexpr std::string_view kEthiopianYearly = "RSCALE=ETHIOPIC;FREQ=YEARLY";
constexpr std::string_view kEthiopianYearlyBack = "RSCALE=ETHIOPIC;FREQ=YEARLY;SKIP=BACKWARD";
constexpr std::string_view kEthiopianMonthly = "RSCALE=ETHIOPIC;FREQ=MONTHLY";
constexpr std::string_view kGregorianYearly = "FREQ=YEARLY";


// What a rule says that decides its repeat.
struct RuleParts {
  std::string_view freq, scale = "GREGORIAN", skip = "OMIT";
};

// The rules RuleText writes: a file of thousands of days holds little else,
// so these are known at a glance.
constexpr std::pair<std::string_view, RuleParts> kWritten[] = {
    {kEthiopianYearly, {"YEARLY", "ETHIOPIC"}},
    {kEthiopianYearlyBack, {"YEARLY", "ETHIOPIC", "BACKWARD"}},
    {kEthiopianMonthly, {"MONTHLY", "ETHIOPIC"}},
    {kGregorianYearly, {"YEARLY"}},
};

// False for a part Zelmora does not keep (COUNT, BYDAY, an INTERVAL but 1, ...).
bool PartsOf(std::string_view rule, RuleParts* parts) {
  for (const auto& [text, known] : kWritten) {
    if (rule == text) {
      *parts = known;
      return true;
    }
  }
  for (size_t from = 0; from < rule.size();) {
    size_t end = rule.find(';', from);
    if (end == std::string_view::npos) end = rule.size();
    const size_t equals = rule.find('=', from);
    if (equals == std::string_view::npos || equals > end) return false;
    const std::string_view key = rule.substr(from, equals - from), value = rule.substr(equals + 1, end - equals - 1);
    if (Is(key, "FREQ")) {
      parts->freq = value;
    } else if (Is(key, "RSCALE")) {
      parts->scale = value;
    } else if (Is(key, "SKIP")) {
      parts->skip = value;
    } else if (!Is(key, "INTERVAL") || value != "1") {
      return false;
    }
    from = end + 1;
  }
  return true;
}

}  // namespace

std::string RuleText(const UserDay& day) {
  switch (day.repeat) {
    case Repeat::kOnce:
      return "";
    case Repeat::kEthiopianYear:
    case Repeat::kMemorial:
      return std::string(repeat_dates::NeedsBackward(repeat_dates::Split(day.start, Ethiopian)) ? kEthiopianYearlyBack
                                                                                                  : kEthiopianYearly);
    case Repeat::kEthiopianMonth:
      return std::string(kEthiopianMonthly);
    case Repeat::kGregorianYear:
      return std::string(kGregorianYearly);
  }
  return "";
}

bool RepeatOfRule(std::string_view rule, int32_t start, Repeat* repeat) {
  RuleParts parts;
  if (!PartsOf(rule, &parts)) return false;
  const auto [freq, scale, skip] = parts;
  if (Is(scale, "ETHIOPIC") && Is(freq, "YEARLY")) {
    *repeat = Repeat::kEthiopianYear;
    return Is(skip, "BACKWARD") || !repeat_dates::NeedsBackward(repeat_dates::Split(start, Ethiopian));
  }
  if (Is(scale, "ETHIOPIC") && Is(freq, "MONTHLY")) {
    *repeat = Repeat::kEthiopianMonth;
    return Is(skip, "OMIT") || repeat_dates::Split(start, Ethiopian).day < repeat_dates::kPagumeLeapDay;
  }
  if (Is(scale, "GREGORIAN") && Is(freq, "YEARLY")) {
    *repeat = Repeat::kGregorianYear;
    const repeat_dates::Fields gregorian = repeat_dates::Split(start, Gregorian);
    const bool leapDay = gregorian.month == repeat_dates::kFebruary && gregorian.day == repeat_dates::kLeapDay;
    return Is(skip, "OMIT") || !leapDay;
  }
  return false;
}
