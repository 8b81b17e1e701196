#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/days/reminder.h"

// One of the user's own days: a birthday, an anniversary, a memorial, kept by
// the Ethiopian or the Gregorian date.
enum class Repeat { kOnce, kEthiopianYear, kEthiopianMonth, kGregorianYear, kMemorial };

// What the store read with a day and writes back as it was: opaque to callers,
// who copy it along when they change a day. A file may hold thousands of days
// and nearly all carry nothing but their stamp, so the stamp's usual form is
// held in place and the rest apart, shared by copies since it never changes.
struct KeptLines {
  static constexpr size_t kStampSize = sizeof "20261208T090000Z" - 1;  // DTSTAMP's value in UTC
  struct Rare {
    std::vector<std::string> lines;  // properties and components Zelmora does not use, as read
    std::string stampLine;           // a DTSTAMP line in another form, as read
    std::string nameParams;          // SUMMARY's parameters (";LANGUAGE=am"), as read
    std::string noteParams;          // DESCRIPTION's parameters, as read
    bool oneDayEnd = false;          // the day was read with a DTEND, written again
    bool emptyNote = false;          // read with an empty DESCRIPTION, written again while the note stays empty
  };
  std::array<char, kStampSize> stamp{};  // the DTSTAMP value as read; all zero writes a new stamp
  std::shared_ptr<const Rare> rare;      // null when the day had none of it

  // The day changed now: its next save writes a new stamp.
  void Restamp() {
    stamp = {};
    if (!rare || rare->stampLine.empty()) return;
    auto unstamped = std::make_shared<Rare>(*rare);
    unstamped->stampLine.clear();
    rare = std::move(unstamped);
  }
};

struct UserDay {
  std::string uid;
  std::string name;         // SUMMARY
  std::string note;         // DESCRIPTION, may be empty
  int32_t start = 0;        // day number of DTSTART (for kMemorial: the day of passing)
  Repeat repeat = Repeat::kOnce;
  std::vector<Reminder> reminders;  // the day's own VALARMs, earliest first
  KeptLines kept;
};
