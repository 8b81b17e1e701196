#include "locale/ethiopian_time.h"

namespace {

constexpr int kHoursPerPart = 6;
constexpr int kHoursPerCount = 12;

// The parts of the day in order from midnight, six hours each. The Amharic
// words are those people use for them; CLDR's Amharic day periods (common/main/am.xml)
// write the morning ጥዋት and the evening ምሽት, the same parts in other spellings.
const char* const kLatinParts[] = {"night", "morning", "afternoon", "evening"};
const char* const kAmharicParts[] = {"ሌሊት", "ጠዋት", "ከሰዓት", "ማታ"};

}  // namespace

EthiopianTime EthiopianTimeOf(int westernHour) {
  // Six o'clock is the twelfth hour, seven the first.
  const int hour = (westernHour + kHoursPerPart) % kHoursPerCount;
  return {hour == 0 ? kHoursPerCount : hour, static_cast<DayPart>(westernHour / kHoursPerPart)};
}

const char* DayPartName(DayPart part, Language language) {
  return (language == Language::kAmharic ? kAmharicParts : kLatinParts)[static_cast<int>(part)];
}
