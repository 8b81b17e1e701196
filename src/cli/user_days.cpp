#include "cli/user_days.h"

#include <algorithm>
#include <cstring>

#include "cli/command_error.h"
#include "cli/json_text.h"
#include "core/export/days_calendar.h"
#include "core/ical/text_rule.h"
#include "core/locale/translation.h"

namespace {

struct RepeatName {
  Repeat repeat;
  const char* word;
};

const RepeatName kRepeatNames[] = {
    {Repeat::kOnce, "once"},
    {Repeat::kEthiopianYear, "year"},
    {Repeat::kEthiopianMonth, "month"},
    {Repeat::kGregorianYear, "gregorian-year"},
    {Repeat::kMemorial, "memorial"},
};

const char kTextRule[] = N_("%s; expected UTF-8 text without control characters");

bool IsControl(unsigned char byte) { return byte < ' ' || byte == 0x7F; }

// Why the store could not be read, a line each fault; empty when it could.
std::string LoadFailure(DayStore& store) {
  std::vector<StoreError> errors;
  if (store.Load(&errors)) return "";
  const std::string message = ErrorLines(FieldText(store.Path()), errors);
  return message.empty() ? Filled(Tr("cannot read %s"), {FieldText(store.Path())}) : message;
}

}  // namespace

void LoadStore(DayStore& store) {
  const std::string failure = LoadFailure(store);
  if (!failure.empty()) throw CommandError{failure};
}

void LoadStoreOrSay(DayStore& store, Output& out) {
  const std::string failure = LoadFailure(store);
  if (!failure.empty()) out.Incomplete(failure);
}

std::string ErrorLines(const std::string& file, const std::vector<StoreError>& errors) {
  std::string message;
  for (const StoreError& error : errors) {
    const std::string what = FieldText(error.what);
    // The store names its file itself when it cannot open it.
    const bool named = !error.line && what.compare(0, file.size(), file) == 0;
    const std::string where = error.line ? Filled(Tr("%s line %s"), {file, std::to_string(error.line)}) : file;
    message += (message.empty() ? "" : "\n") + (named ? what : where + ": " + what);
  }
  return message;
}

const char* RepeatWord(Repeat repeat) {
  for (const RepeatName& name : kRepeatNames) {
    if (name.repeat == repeat) return name.word;
  }
  return "";
}

Repeat ReadRepeat(const char* word) {
  for (const RepeatName& name : kRepeatNames) {
    if (std::strcmp(name.word, word) == 0) return name.repeat;
  }
  throw CommandError{Filled(Tr("--every %s is no repeat; expected once, year, month, gregorian-year or memorial"),
                            {Quoted(word)})};
}

std::vector<Reminder> ReadReminders(const std::vector<std::string>& whens) {
  std::vector<Reminder> reminders;
  std::string why;
  if (!ParseReminders(whens, &reminders, &why)) throw CommandError{why};
  return reminders;
}

std::string OccurrenceName(const UserDay& day, const Occurrence& occurrence, TextStyle style) {
  return FieldText(OccurrenceSummary(day, occurrence, style.language));
}

std::string FieldText(const std::string& text) {
  std::string field;
  AppendField(text, field);
  return field;
}

void AppendField(const std::string& text, std::string& line) {
  const std::size_t from = line.size();
  line += text;
  // Most fields have no control character: looked for in the field, not the line.
  const auto control = std::find_if(text.begin(), text.end(), [](char c) { return IsControl(static_cast<unsigned char>(c)); });
  if (control == text.end()) return;
  for (std::size_t at = from + static_cast<std::size_t>(control - text.begin()); at < line.size(); ++at) {
    if (IsControl(static_cast<unsigned char>(line[at]))) line[at] = ' ';
  }
}

void CheckDayText(const UserDay& day) {
  TextFault fault;
  if (!TextKeepsRule(day.name, TextLines::kOne, &fault)) {
    throw CommandError{Filled(Tr(kTextRule), {Filled(Tr("the NAME's %s"), {FaultText(fault)})})};
  }
  if (!TextKeepsRule(day.note, TextLines::kMany, &fault)) {
    throw CommandError{Filled(Tr(kTextRule), {Filled(Tr(kNoteFault), {FaultText(fault)})})};
  }
}

std::string LeftOutLine(const DayStore& store) {
  const std::string tally = LeftOutTally(store.LeftOutOfDays());
  return tally.empty() ? tally : tally + '\n';
}

std::string UserDayLines(const std::vector<UserDay>& days, int dayNumber, TextStyle style) {
  std::string text;
  for (const Occurrence& occurrence : OccurrencesBetween(days, dayNumber, dayNumber)) {
    const std::string name = OccurrenceName(days[occurrence.index], occurrence, style);
    text += Filled(Tr("my day: %s", style.language), {name}) + '\n';
  }
  return text;
}

std::string WithUserDays(std::string dayObject, const std::string& userDays) {
  dayObject.pop_back();  // the object's closing brace
  return dayObject + ",\"days\":" + userDays + "}";
}

std::string UserDaysJson(const std::vector<UserDay>& days, const std::vector<Occurrence>& occurrences, TextStyle style) {
  std::string list;
  for (const Occurrence& occurrence : occurrences) {
    const UserDay& mine = days[occurrence.index];
    list += (list.empty() ? "{\"uid\":" : ",{\"uid\":") + JsonString(mine.uid) + ",\"name\":" +
            JsonString(OccurrenceSummary(mine, occurrence, style.language)) + ",\"note\":" + JsonString(mine.note) +
            ",\"repeat\":" + JsonString(RepeatWord(mine.repeat)) + "}";
  }
  return "[" + list + "]";
}
