#include "core/days/rule_text.h"

#include <algorithm>
#include <optional>
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


// What a rule says that decides its repeat, and the first part that keeps
// it from being one Zelmora keeps.
struct RuleParts {
  std::string_view freq, scale = "GREGORIAN", skip = "OMIT";
  std::optional<LeftOutCause> refused;
};

// The rules RuleText writes: a file of thousands of days holds little else,
// so these are known at a glance.
const std::pair<std::string_view, RuleParts> kWritten[] = {
    {kEthiopianYearly, {"YEARLY", "ETHIOPIC", "OMIT", {}}},
    {kEthiopianYearlyBack, {"YEARLY", "ETHIOPIC", "BACKWARD", {}}},
    {kEthiopianMonthly, {"MONTHLY", "ETHIOPIC", "OMIT", {}}},
    {kGregorianYearly, {"YEARLY", "GREGORIAN", "OMIT", {}}},
};

// Why a part other than FREQ, RSCALE and SKIP keeps the rule from being kept;
// none for INTERVAL=1, which says nothing.
std::optional<LeftOutCause> PartRefusal(std::string_view key, std::string_view value) {
  if (Is(key, "INTERVAL")) return value == "1" ? std::nullopt : std::optional(LeftOutCause::kInterval);
  if (Is(key, "COUNT")) return LeftOutCause::kCount;
  if (Is(key, "UNTIL")) return LeftOutCause::kUntil;
  constexpr std::string_view kChosen = "BY";
  if (key.size() > kChosen.size() && Is(key.substr(0, kChosen.size()), kChosen)) return LeftOutCause::kChosenDays;
  return LeftOutCause::kOtherRulePart;
}

RuleParts PartsOf(std::string_view rule) {
  for (const auto& [text, known] : kWritten) {
    if (rule == text) return known;
  }
  RuleParts parts;
  for (size_t from = 0; from < rule.size();) {
    size_t end = rule.find(';', from);
    if (end == std::string_view::npos) end = rule.size();
    size_t equals = rule.find('=', from);
    if (equals == std::string_view::npos || equals > end) equals = end;
    const std::string_view key = rule.substr(from, equals - from);
    const std::string_view value = rule.substr(std::min(equals + 1, end), end - std::min(equals + 1, end));
    if (Is(key, "FREQ")) {
      parts.freq = value;
    } else if (Is(key, "RSCALE")) {
      parts.scale = value;
    } else if (Is(key, "SKIP")) {
      parts.skip = value;
    } else if (!parts.refused) {
      parts.refused = PartRefusal(key, value);
    }
    from = end + 1;
  }
  return parts;
}

// Why a frequency is not one Zelmora keeps in its calendar; none for a yearly
// rule, and for a monthly one by the Ethiopian months.
std::optional<LeftOutCause> FrequencyRefusal(const RuleParts& parts) {
  if (Is(parts.freq, "YEARLY")) return std::nullopt;
  if (Is(parts.freq, "MONTHLY")) {
    return Is(parts.scale, "ETHIOPIC") ? std::nullopt : std::optional(LeftOutCause::kGregorianMonthly);
  }
  if (Is(parts.freq, "WEEKLY")) return LeftOutCause::kWeekly;
  if (Is(parts.freq, "DAILY")) return LeftOutCause::kDaily;
  const bool often = Is(parts.freq, "HOURLY") || Is(parts.freq, "MINUTELY") || Is(parts.freq, "SECONDLY");
  return often ? LeftOutCause::kOtherFrequency : LeftOutCause::kOtherRulePart;
}

// The repeat of a yearly or an Ethiopian monthly rule, and whether its SKIP
// is the one Zelmora would write for that start.
bool RepeatOfParts(const RuleParts& parts, int32_t start, Repeat* repeat) {
  const auto [freq, scale, skip, refused] = parts;
  if (Is(scale, "ETHIOPIC") && Is(freq, "YEARLY")) {
    *repeat = Repeat::kEthiopianYear;
    return Is(skip, "BACKWARD") || !repeat_dates::NeedsBackward(repeat_dates::Split(start, Ethiopian));
  }
  if (Is(scale, "ETHIOPIC")) {
    *repeat = Repeat::kEthiopianMonth;
    return Is(skip, "OMIT") || repeat_dates::Split(start, Ethiopian).day < repeat_dates::kPagumeLeapDay;
  }
  *repeat = Repeat::kGregorianYear;
  const repeat_dates::Fields gregorian = repeat_dates::Split(start, Gregorian);
  const bool leapDay = gregorian.month == repeat_dates::kFebruary && gregorian.day == repeat_dates::kLeapDay;
  return Is(skip, "OMIT") || !leapDay;
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

bool RepeatOfRule(std::string_view rule, int32_t start, Repeat* repeat, LeftOutCause* cause) {
  const RuleParts parts = PartsOf(rule);
  const std::optional<LeftOutCause> refused =
      !Is(parts.scale, "GREGORIAN") && !Is(parts.scale, "ETHIOPIC") ? LeftOutCause::kOtherScale
                                                                      : FrequencyRefusal(parts);
  *cause = refused ? *refused : parts.refused.value_or(LeftOutCause::kSkip);
  return !refused && !parts.refused && RepeatOfParts(parts, start, repeat);
}
