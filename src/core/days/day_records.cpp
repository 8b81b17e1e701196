#include "core/days/day_records.h"

#include <cerrno>
#include <cstring>
#include <iterator>

#include "core/storage/file_bytes.h"

namespace {

// The fewest bytes a day of the file can take (BEGIN, DTSTART and END lines ended by LF): room for
// the most days is asked for at once, and only the pages filled are ever resident.
constexpr size_t kLeastEventBytes = sizeof "BEGIN:VEVENT\nDTSTART:20200101\nEND:VEVENT\n" - 1;

// A day's texts in their order in the block; with kNames only the first.
std::string UserDay::*const kTexts[] = {&UserDay::name, &UserDay::uid, &UserDay::note};

size_t TextsPerDay(DayRecords::Texts texts) { return texts == DayRecords::Texts::kAll ? std::size(kTexts) : 1; }

}  // namespace

DayRecords::DayRecords(int32_t first, int32_t last, Texts texts, std::string path)
    : path_(std::move(path)), first_(first), last_(last), kept_(texts) {}

bool DayRecords::Load(std::vector<StoreError>* errors) {
  struct stat status{};
  FileBytes file;
  if (!file.Open(path_, FileBytes::Use::kOnce, &status)) {
    const int error = errno;
    if (error != ENOENT) errors->push_back({0, path_ + ": " + std::strerror(error)});
    return error == ENOENT;  // no file, no days
  }
  const size_t events = file.Text().size() / kLeastEventBytes;
  dates_.reserve(events);
  ends_.reserve(events * TextsPerDay(kept_));
  texts_.reserve(file.Text().size());
  DaysFile rest;
  return ReadDaysFile(file.Text(), &rest, errors, Reading::kStore, [this, &file](UserDay&& day, size_t readTo) {
    Keep(std::move(day));
    file.LetGo(readTo);
  });
}

// A day that comes once outside the span, or starts after it, is not kept.
void DayRecords::Keep(UserDay&& day) {
  if (day.start > last_ || (day.repeat == Repeat::kOnce && day.start < first_)) return;
  dates_.push_back({day.start, day.repeat});
  for (size_t field = 0; field < TextsPerDay(kept_); ++field) {
    texts_ += day.*kTexts[field];
    ends_.push_back(texts_.size());
  }
}

void DayRecords::Day(size_t index, UserDay* day) const {
  const size_t texts = TextsPerDay(kept_);
  day->start = dates_[index].start;
  day->repeat = dates_[index].repeat;
  for (size_t field = 0; field < texts; ++field) {
    const size_t at = index * texts + field;
    const size_t begin = at ? ends_[at - 1] : 0;
    ((*day).*kTexts[field]).assign(texts_, begin, ends_[at] - begin);
  }
}

void DayRecords::DaysOf(std::vector<Occurrence>* occurrences, std::vector<UserDay>* days) const {
  size_t count = 0;
  size_t last = 0;  // the index into dates_ of the day taken last
  for (Occurrence& occurrence : *occurrences) {
    if (count == 0 || occurrence.index != last) {
      last = occurrence.index;
      if (count == days->size()) days->emplace_back();
      Day(last, &(*days)[count++]);
    }
    occurrence.index = count - 1;
  }
  days->resize(count);
}
