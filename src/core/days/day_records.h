#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/days/day_store.h"
#include "core/days/occurrences.h"

// The user's days as an answer about a span of dates needs them, read from
// their file in one pass and held compactly: the dates of each day that can
// come in the span, and its texts side by side in one block. A store of a
// hundred thousand days then takes a few megabytes where whole days
// (UserDay) take tens, and the file is never resident whole.
class DayRecords {
 public:
  // What an answer writes of a day: its name alone, or its UID and note too.
  enum class Texts { kNames, kAll };

  DayRecords(int32_t first, int32_t last, Texts texts, std::string path = DaysFilePath());
  // As DayStore::Load: a missing file has no days; false when it cannot be read whole, with the
  // errors naming the lines and the days that could be read kept.
  bool Load(std::vector<StoreError>* errors);
  const std::string& Path() const { return path_; }
  // The days that can come in the span, in the file's order.
  const std::vector<DayDates>& Dates() const { return dates_; }
  // The days of one date's occurrences (each index into Dates(), in order, as OccurrencesBetween
  // gives them) made whole in *days for the writing of days, each once; the occurrences' indexes are
  // made ones into them. The strings of *days are used again: an agenda asks date after date.
  void DaysOf(std::vector<Occurrence>* occurrences, std::vector<UserDay>* days) const;

 private:
  void Keep(UserDay&& day);
  void Day(size_t index, UserDay* day) const;

  std::string path_;
  int32_t first_, last_;
  Texts kept_;
  std::vector<DayDates> dates_;
  std::vector<size_t> ends_;  // where each text ends in texts_: the name, then with kAll the UID and the note
  std::string texts_;
};
