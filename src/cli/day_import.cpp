// days import FILE: the events of another program's iCalendar file as the
// user's days, all of them or none.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/command_error.h"
#include "cli/days_actions.h"
#include "cli/user_days.h"
#include "core/locale/translation.h"

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
    throw CommandError{
        Filled(Tr("cannot read %s: %s; expected an iCalendar file"), {Quoted(path), std::strerror(errno)})};
  }
  return text;
}

const char kLeftOut[] = N_(
    "this event %s; expected an all-day event, once or every year (by the Ethiopian or the Gregorian date) or every "
    "Ethiopian month");
const char kOccurrenceLeftOut[] =
    N_("this event %s, as are the others like it; expected the days' rules, which zelmora days --rscale writes");

// Each event the file holds that is not one of the days, named with its
// cause: an import that left them out silently would lose them.
// Zelmora's own export of every date is named once: its days come back
// whole from the rules instead.
void AddLeftOut(const std::vector<LeftOut>& leftOut, std::vector<StoreError>* errors) {
  bool occurrenceNamed = false;
  for (const LeftOut& item : leftOut) {
    const bool occurrence = item.cause == LeftOutCause::kOccurrence;
    if (!IsEvent(item.cause) || (occurrence && occurrenceNamed)) continue;
    occurrenceNamed = occurrenceNamed || occurrence;
    errors->push_back({item.line, Filled(Tr(occurrence ? kOccurrenceLeftOut : kLeftOut), {LeftOutReason(item.cause)})});
  }
}

}  // namespace

std::string ImportAction(const Invocation& call) {
  CheckAction(call, "import", 1, "days import FILE");
  const std::string text = FileText(call.more[0]);
  DaysFile file;
  std::vector<StoreError> errors;
  const bool read = ReadDaysFile(text, &file, &errors, Reading::kImport);
  AddLeftOut(file.leftOut, &errors);
  if (!read || !errors.empty()) {
    throw CommandError{ErrorLines(Quoted(call.more[0]), errors) + '\n' + Tr("nothing was imported")};
  }
  const std::vector<UserDay>& days = file.days;
  DayStore store;
  LoadStore(store);
  int added = 0;
  std::string why;
  if (!store.AddAll(days, &added, &why)) throw CommandError{Filled(Tr("cannot import the days: %s"), {why})};
  return Filled(Tr("%s added, %s already there"), {std::to_string(added), std::to_string(days.size() - added)}) + '\n';
}
