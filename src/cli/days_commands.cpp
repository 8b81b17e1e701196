// The days command: the user's own days listed, added, removed, reminded of,
// imported, or written as an iCalendar file.
#include <algorithm>
#include <cstring>

#include "cli/calendar_files.h"
#include "cli/command_error.h"
#include "core/locale/translation.h"
#include "cli/commands.h"
#include "cli/date_argument.h"
#include "cli/day_text.h"
#include "cli/json_text.h"
#include "cli/days_actions.h"
#include "cli/user_days.h"
#include "core/days/days_file.h"
#include "core/days/listing.h"
#include "core/export/days_calendar.h"
#include "core/memory/pages.h"

namespace {

// A day's reminders as WHEN takes them, sep between them, appended to text; "-" for none.
void AppendReminders(const std::vector<Reminder>& reminders, const char* sep, std::string& text) {
  if (reminders.empty()) text += '-';
  for (const Reminder& reminder : reminders) {
    if (&reminder != &reminders.front()) text += sep;
    AppendReminderText(reminder, &text);
  }
}

// One day a line: next date (Ethiopian, Gregorian; "-" when it never comes
// again), repeat, name, UID, reminders (last, so that the fields before
// them stay where scripts cut them). Appended piece by piece: a list may
// hold thousands of days.
std::string DayLines(const std::vector<UserDay>& days, const std::vector<ListedDay>& listed, TextStyle style) {
  constexpr size_t kUsualLineBytes = 96;  // two dates, a repeat, a name and a UID
  std::string text;
  text.reserve(listed.size() * kUsualLineBytes);
  PlacePages(text.data(), text.capacity());
  // The days are listed in another order than they lie in memory: each is asked for ahead of its turn,
  // its record first, then its name and UID, which the record points to.
  constexpr size_t kRecordAhead = 16, kTextAhead = 8;
  for (size_t i = 0; i < listed.size(); ++i) {
    if (i + kRecordAhead < listed.size()) __builtin_prefetch(&days[listed[i + kRecordAhead].index]);
    if (i + kTextAhead < listed.size()) {
      const UserDay& ahead = days[listed[i + kTextAhead].index];
      __builtin_prefetch(ahead.name.data());
      __builtin_prefetch(ahead.uid.data());
    }
    const ListedDay& entry = listed[i];
    const UserDay& day = days[entry.index];
    if (entry.next) {
      const DatePair date = DatePair::OfDay(entry.next->day);
      text += date.dates[Ethiopian].NumericText();
      text += '\t';
      text += date.dates[Gregorian].NumericText();
    } else {
      text.append("-\t-");
    }
    text += '\t';
    text += RepeatWord(day.repeat);
    text += '\t';
    if (entry.next && day.repeat == Repeat::kMemorial) {
      AppendField(OccurrenceSummary(day, *entry.next, style.language), text);
    } else {
      AppendField(day.name, text);
    }
    text += '\t';
    AppendField(day.uid, text);
    text += '\t';
    AppendReminders(day.reminders, ",", text);
    text += '\n';
  }
  return text;
}

std::string JsonDay(int dayNumber, TextStyle style) {
  const DatePair day = DatePair::OfDay(dayNumber);
  return "{\"ethiopian\":" + JsonDate(day, Ethiopian, style) + ",\"gregorian\":" + JsonDate(day, Gregorian, style) +
         "}";
}

// ["7d@09:00","@09:00"]: the text is WHEN's, which needs no escaping.
std::string JsonReminders(const std::vector<Reminder>& reminders) {
  if (reminders.empty()) return "[]";
  std::string text = "[\"";
  AppendReminders(reminders, "\",\"", text);
  return text + "\"]";
}

std::string DaysJson(const std::vector<UserDay>& days, const std::vector<ListedDay>& listed, TextStyle style) {
  std::string text;
  for (const ListedDay& entry : listed) {
    const UserDay& day = days[entry.index];
    text += std::string(text.empty() ? "" : ",") + "{\"uid\":" + JsonString(day.uid) + ",\"name\":" +
            JsonString(day.name) + ",\"note\":" + JsonString(day.note) + ",\"repeat\":" +
            JsonString(RepeatWord(day.repeat)) + ",\"start\":" + JsonDay(day.start, style) +
            ",\"next\":" + (entry.next ? JsonDay(entry.next->day, style) : "null") + ",\"reminders\":" +
            JsonReminders(day.reminders) + "}";
  }
  return "[" + text + "]\n";
}

std::string Add(const Invocation& call, const Output& out) {
  CheckAction(call, "add", 2, N_("days add NAME DATE"));
  UserDay day;
  day.name = call.more[0];
  if (day.name.find_first_not_of(" \t") == std::string::npos) {
    throw CommandError{Tr("the NAME is empty; expected the day's name, for example 'Abebe's birthday'")};
  }
  day.start = ReadDay(call.more[1], call.kind).dates[Gregorian].dayNumber;
  day.repeat = call.every ? ReadRepeat(call.every) : Repeat::kOnce;
  if (call.note) day.note = call.note;
  day.reminders = call.remind.empty() ? DefaultReminders(day.repeat) : ReadReminders(call.remind);
  CheckDayText(day);
  DayStore store;
  LoadStore(store);
  std::string uid, why;
  if (!store.Add(day, &uid, &why)) throw CommandError{Filled(Tr("cannot add the day: %s"), {why})};
  if (!store.Warning().empty()) out.Say(store.Warning());
  return uid + '\n';
}

// The stored day of the UID; throws CommandError when there is none.
const UserDay& StoredDay(const DayStore& store, const std::string& uid) {
  const std::vector<UserDay>& days = store.Days();
  const auto day = std::find_if(days.begin(), days.end(), [&](const UserDay& each) { return each.uid == uid; });
  if (day == days.end()) {
    throw CommandError{Filled(Tr("no day has the UID %s; expected one that zelmora days lists"), {Quoted(uid)})};
  }
  return *day;
}

void Remove(const Invocation& call, const Output& out) {
  CheckAction(call, "remove", 1, N_("days remove UID"));
  DayStore store;
  LoadStore(store);
  const std::string uid = StoredDay(store, call.more[0]).uid;
  std::string why;
  if (!store.Remove(uid, &why)) throw CommandError{Filled(Tr("cannot remove the day: %s"), {why})};
  if (!store.Warning().empty()) out.Say(store.Warning());
}

// The day's reminders replaced by the WHENs; alarms another program wrote stay with the day.
void Remind(const Invocation& call, const Output& out) {
  CheckAction(call, "remind", std::max<std::size_t>(call.more.size(), 2), N_("days remind UID WHEN..."));
  const std::vector<Reminder> reminders = ReadReminders({call.more.begin() + 1, call.more.end()});
  DayStore store;
  LoadStore(store);
  UserDay day = StoredDay(store, call.more[0]);
  day.reminders = reminders;
  std::string why;
  if (!store.Replace(day, &why)) throw CommandError{Filled(Tr("cannot change the day's reminders: %s"), {why})};
  if (!store.Warning().empty()) out.Say(store.Warning());
}

// Every occurrence in the years asked for, or the rules as stored.
void Calendar(const Invocation& call, const std::vector<UserDay>& days, Output& out) {
  if (call.rscale && call.operand) throw CommandError{Tr("--rscale writes every day whole; expected no FROM-TO")};
  if (!call.rscale) return WriteOccurrenceCalendar(days, CalendarYears(call.operand, call.kind), call.kind, out);
  std::string ics, why;
  DaysFile file;
  file.days = days;
  if (!WriteDaysFile(file, &ics, &why)) throw CommandError{Filled(Tr(kCannotWriteCalendar), {why})};
  out.Write(ics);
}

void List(const Invocation& call, Output& out) {
  if (call.every || call.note) throw CommandError{Tr("--every and --note go with add; expected days add NAME DATE")};
  if (!call.remind.empty()) throw CommandError{Filled(Tr(kGoesWith), {"--remind", "days add"})};
  DayStore store;
  LoadStore(store);
  if (call.ics || call.rscale) {
    if (call.json || (call.ics && call.rscale)) {
      throw CommandError{Tr("--ics, --rscale and --json exclude each other; expected one")};
    }
    return Calendar(call, store.Days(), out);
  }
  if (call.operand) {
    throw CommandError{Filled(Tr("unknown action %s; expected add, remove, remind, import, or FROM-TO with --ics"),
                              {Quoted(call.operand)})};
  }
  const std::vector<UserDay>& days = store.Days();
  const std::vector<ListedDay> listed = DaysInListOrder(days, Today().dates[Gregorian].dayNumber);
  out.Write(call.json ? DaysJson(days, listed, call.style) : DayLines(days, listed, call.style) + LeftOutLine(store));
}

}  // namespace

void CheckAction(const Invocation& call, const char* action, std::size_t operands, const char* usage) {
  if (call.more.size() != operands) {
    const char* takes = operands == 1 ? N_("%s takes %s argument; expected %s") : N_("%s takes %s arguments; expected %s");
    throw CommandError{Filled(Tr(takes), {action, std::to_string(operands), Tr(usage)})};
  }
  const bool adds = std::strcmp(action, "add") == 0;
  if ((!adds && (call.every || call.note || !call.remind.empty())) || call.ics || call.rscale || call.json) {
    const std::string options =
        adds ? "--ethiopian, --gregorian, --every, --note" + std::string(Tr(" or ")) + "--remind" : Tr("no options");
    throw CommandError{Filled(Tr("%s takes %s; expected %s"), {action, options, Tr(usage)})};
  }
}

void DaysCommand(const Invocation& call, Output& out) {
  const std::string action = call.operand ? call.operand : "";
  if (action == "add") return out.Write(Add(call, out));
  if (action == "remove") return Remove(call, out);
  if (action == "remind") return Remind(call, out);
  if (action == "import") return out.Write(ImportAction(call));
  if (!call.more.empty()) {
    throw CommandError{call.ics ? Filled(Tr("unexpected argument %s; expected one %s"), {Quoted(call.more[0]), "FROM-TO"})
                                : Filled(Tr("unexpected argument %s; expected add, remove, remind or import before it"),
                                         {Quoted(call.more[0])})};
  }
  List(call, out);
}
