// days import FILE: the events of another program's iCalendar file as the
// user's days, all of them or none.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>

#include "cli/command_error.h"
#include "cli/days_actions.h"
#include "cli/user_days.h"
#include "core/ical/content_line.h"

namespace {

// "-" is standard input, as for cat(1); it stays open.
int CloseUnlessStandard(std::FILE* file) { return file == stdin ? 0 : std::fclose(file); }

std::string FileText(const char* path) {
  const bool standard = std::strcmp(path, "-") == 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(standard ? stdin : std::fopen(path, "rb"), CloseUnlessStandard);
  std::string text;
  char block[1 << 16];
  for (std::size_t got = 1; file && got;) {
    got = std::fread(block, 1, sizeof block, file.get());
    text.append(block, got);
  }
  if (!file || std::ferror(file.get())) {
    throw CommandError{"cannot read " + Quoted(path) + ": " + std::strerror(errno) + "; expected an iCalendar file"};
  }
  return text;
}

// The calendar's events that were not read as days (a weekly rule, a time of
// day, no start): the reader keeps them aside for the store's own file, but
// an import that left them out silently would lose them. An event with a
// line already named is not named again.
std::vector<StoreError> EventsLeftOut(const std::string& text, const std::vector<UserDay>& days,
                                      const std::vector<StoreError>& errors) {
  std::set<std::string> read;
  for (const UserDay& day : days) read.insert(day.uid);
  std::vector<StoreError> left;
  constexpr int kEventDepth = 2;  // inside the calendar, then the event
  int depth = 0, begin = 0;       // begin: the event's first line
  bool inEvent = false, found = false;
  LineReader reader(text);
  for (UnfoldedLine line; reader.Next(&line);) {
    LineParts parts;
    if (!SplitLine(line.text, &parts)) continue;
    if (Is(parts.name, "BEGIN") && ++depth == kEventDepth && Is(parts.value, "VEVENT")) {
      inEvent = true;
      begin = line.line;
      found = false;
    } else if (Is(parts.name, "END") && depth-- == kEventDepth && inEvent) {
      inEvent = false;
      const auto named = [&](const StoreError& error) { return error.line >= begin && error.line <= line.line; };
      if (!found && std::none_of(errors.begin(), errors.end(), named)) {
        left.push_back({begin, "this event is not one that Zelmora keeps; expected an all-day event, once or every "
                               "year (by the Ethiopian or the Gregorian date) or every Ethiopian month"});
      }
    } else if (inEvent && depth == kEventDepth && Is(parts.name, "UID")) {
      found = read.count(Unescaped(parts.value)) > 0;
    }
  }
  return left;
}

}  // namespace

std::string ImportAction(const Invocation& call) {
  CheckAction(call, "import", 1, "days import FILE");
  const std::string text = FileText(call.more[0]);
  std::vector<UserDay> days;
  std::vector<StoreError> errors;
  const bool read = ReadDays(text, &days, &errors);
  const std::vector<StoreError> left = EventsLeftOut(text, days, errors);
  errors.insert(errors.end(), left.begin(), left.end());
  if (!read || !left.empty()) throw CommandError{ErrorLines(Quoted(call.more[0]), errors) + "\nnothing was imported"};
  DayStore store;
  LoadStore(store);
  int added = 0;
  std::string why;
  if (!store.AddAll(days, &added, &why)) throw CommandError{"cannot import the days: " + why};
  return std::to_string(added) + " added, " + std::to_string(days.size() - added) + " already there\n";
}
