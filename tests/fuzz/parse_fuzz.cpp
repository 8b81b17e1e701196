// libFuzzer target: any text given to the date reader, in either calendar.
#include <cstddef>
#include <cstdint>
#include <string>

#include "calendar/date_pair.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const CalendarKind kind = data[0] & 1;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  DatePair pair(2008, 11, 29, Gregorian);
  if (pair.Parse(text.c_str(), kind)) {
    // A date that was taken lies in the span and both readings name one day.
    if (!pair.InSpan() || pair.dates[Gregorian].dayNumber != pair.dates[Ethiopian].dayNumber) __builtin_trap();
    pair.Format();
    pair.dates[kind].FormatNumeric();
  } else if (!pair.SameDay(DatePair(2008, 11, 29, Gregorian))) {
    __builtin_trap();  // rejected text changes nothing
  }
  return 0;
}
