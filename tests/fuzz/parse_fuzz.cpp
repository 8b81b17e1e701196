// libFuzzer target: any text given to the date reader and to the command
// line's readers, in either calendar; and the same text as a message quotes
// it and as a date format.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/calendar/date_pair.h"
#include "cli/command_error.h"
#include "cli/date_argument.h"
#include "core/locale/date_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const CalendarKind kind = data[0] & 1 ? Ethiopian : Gregorian;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  DatePair pair(2008, 11, 29, Gregorian);
  if (pair.Parse(text.c_str(), kind)) {
    // A date that was taken lies in the span, and each reading's own fields
    // name the day it holds, the same day in both.
    if (!pair.InSpan()) __builtin_trap();
    for (const CalendarDate& reading : pair.dates) {
      const CalendarDate fromFields(reading.year, reading.month, reading.day, reading.kind);
      if (fromFields.dayNumber != pair.dates[kind].dayNumber || reading.day > reading.DaysInMonth()) __builtin_trap();
    }
    pair.Format();
    pair.dates[kind].FormatNumeric();
  } else if (!pair.SameDay(DatePair(2008, 11, 29, Gregorian))) {
    __builtin_trap();  // rejected text changes nothing
  }
  // The command line takes a whole day of its month in the span, or says why not.
  const auto tried = [](auto read) {
    try {
      read();
    } catch (const CommandError&) {
    }
  };
  tried([&] {
    const DatePair day = ReadDay(text.c_str(), kind);
    if (!day.InSpan() || day.Day(kind) < 1 || day.Day(kind) > day.dates[kind].DaysInMonth()) __builtin_trap();
  });
  tried([&] { ReadMonth(text.c_str(), kind).Format(); });
  tried([&] { ReadYear(text.c_str(), kind); });
  // A quoted argument keeps a message on one line.
  for (const char c : Quoted(text)) {
    if (static_cast<unsigned char>(c) < ' ') __builtin_trap();
  }
  std::string formatted, bad;
  FormatMoment(text, {pair, kind, {(data[0] & 2) != 0 ? Language::kAmharic : Language::kEnglish, (data[0] & 4) != 0}, true, data[0] % 24}, formatted, bad);
  return 0;
}
