#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One of the user's own days: a birthday, an anniversary, a memorial, kept by
// the Ethiopian or the Gregorian date.
enum class Repeat { kOnce, kEthiopianYear, kEthiopianMonth, kGregorianYear, kMemorial };

// What the store read with a day and writes back as it was: opaque to callers,
// who copy it along when they change a day.
struct KeptLines {
  std::vector<std::string> lines;  // properties and components Zelmora does not use, as read
  std::string stamp;               // the DTSTAMP line as read; empty writes a new one
  std::string nameParams;          // SUMMARY's parameters (";LANGUAGE=am"), as read
  std::string noteParams;          // DESCRIPTION's parameters, as read
  bool oneDayEnd = false;          // the day was read with a DTEND, written again
};

struct UserDay {
  std::string uid;
  std::string name;         // SUMMARY
  std::string note;         // DESCRIPTION, may be empty
  int32_t start = 0;        // day number of DTSTART (for kMemorial: the day of passing)
  Repeat repeat = Repeat::kOnce;
  KeptLines kept;
};
