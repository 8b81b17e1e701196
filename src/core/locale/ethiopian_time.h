#pragma once

#include <string>

#include "core/language/language.h"

// The time of day as it is said in Ethiopia: the hours are counted from six
// o'clock, morning and evening, so 07:00 is 1 and 06:00 and 18:00 are 12.
enum class DayPart { kNight, kMorning, kAfternoon, kEvening };

struct EthiopianTime {
  int hour;  // [1, 12]
  DayPart part;
};

// westernHour in [0, 23].
EthiopianTime EthiopianTimeOf(int westernHour);
// "night", "morning", "afternoon", "evening", or in the language.
const char* DayPartName(DayPart part, Language language);
