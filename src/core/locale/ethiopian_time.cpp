#include "core/locale/ethiopian_time.h"

#include "core/locale/names_table.h"

namespace {

constexpr int kHoursPerPart = 6;
constexpr int kHoursPerCount = 12;

// The parts of the day in order from midnight, six hours each; other
// languages' are in their names tables.
const char* const kLatinParts[] = {"night", "morning", "afternoon", "evening"};

}  // namespace

EthiopianTime EthiopianTimeOf(int westernHour) {
  // Six o'clock is the twelfth hour, seven the first.
  const int hour = (westernHour + kHoursPerPart) % kHoursPerCount;
  return {hour == 0 ? kHoursPerCount : hour, static_cast<DayPart>(westernHour / kHoursPerPart)};
}

const char* DayPartName(DayPart part, Language language) {
  const NamesTable* names = NamesOf(language);
  return (names ? names->dayParts : kLatinParts)[static_cast<int>(part)];
}
