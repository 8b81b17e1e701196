#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "cli/command_error.h"
#include "cli/commands.h"
#include "cli/notify_program.h"
#include "cli/remind_setup.h"
#include "cli/user_days.h"
#include "core/calendar/clock_source.h"
#include "core/calendar/date_pair.h"
#include "core/locale/translation.h"
#include "core/remind/due.h"
#include "core/remind/notice.h"
#include "core/remind/told_record.h"

namespace {

constexpr int kDefaultListDays = 7;

int ListDays(const char* text) {
  if (!text) return kDefaultListDays;
  char* end = nullptr;
  errno = 0;
  const long days = std::strtol(text, &end, 10);
  if (end != text && !*end && !errno && days >= 1 && days <= Reminder::kMostDaysBefore) return days;
  throw CommandError{Filled(Tr("%s is no number of days; expected 1 to %s"), {Quoted(text), std::to_string(Reminder::kMostDaysBefore)})};
}

// "on" or "off" of --fasts and --feasts; false when there was none.
bool ReadSwitch(const char* option, const char* value, bool* on) {
  if (!value) return false;
  if (std::strcmp(value, "on") != 0 && std::strcmp(value, "off") != 0) {
    throw CommandError{Filled(Tr("%s %s is neither on nor off; expected %s on or %s off"), {option, Quoted(value), option, option})};
  }
  *on = std::strcmp(value, "on") == 0;
  return true;
}

std::string SwitchLine(const char* what, bool on, Language language) {
  return Filled(Tr(what, language), {Tr(on ? N_("on") : N_("off"), language)}) + '\n';
}

// --fasts and --feasts: the church's days turned on or off, and what they now are.
std::string ChangeSettings(const RemindAsk& ask, Language language) {
  RemindSettings settings = LoadRemindSettings();
  ReadSwitch("--fasts", ask.fasts, &settings.fasts);
  ReadSwitch("--feasts", ask.feasts, &settings.feasts);
  std::string why;
  if (!SaveRemindSettings(settings, &why)) throw CommandError{Filled(Tr("cannot keep the reminders' settings: %s"), {why})};
  return SwitchLine(N_("reminders of the fasts: %s"), settings.fasts, language) +
         SwitchLine(N_("reminders of the major feasts: %s"), settings.feasts, language);
}

// --list: what will be told in the coming days, a line each: when (both
// dates and the time), what, and the day it is about.
void WriteList(const std::vector<UserDay>& days, std::time_t from, int count, TextStyle style, Output& out) {
  for (const DueReminder& reminder : RemindersDue(days, LoadRemindSettings(), from, from + count * kSecondsPerDay)) {
    const DatePair when = DatePair::OfDay(LocalDay(reminder.at));
    out.Write(when.dates[Ethiopian].NumericText() + '\t' + when.dates[Gregorian].NumericText() + '\t' +
              LocalClockText(reminder.at) + '\t' + FieldText(ReminderName(reminder, days, style.language)) + '\t' +
              BothDates(reminder.day, style) + '\n');
  }
}

void SaveRecord(ToldRecord& record, std::time_t through) {
  std::string why;
  if (!record.Save(through, &why)) throw CommandError{Filled(Tr("cannot keep what was told: %s"), {why})};
}

// After a failed run, those the server took stay told: the record moves up
// to them, short of any untold reminder of the same instant.
void SaveTold(ToldRecord& record, const std::vector<DueReminder>& due, const std::vector<Notice>& notices, size_t accepted) {
  size_t told = 0;
  for (size_t i = 0; i < accepted; ++i) told += notices[i].reminders;
  while (told > 0 && told < due.size() && due[told].at == due[told - 1].at) --told;
  if (told > 0) SaveRecord(record, due[told - 1].at);
}

// Tells what fell due since the record's instant, and moves the record on
// once the server took it. The first run tells nothing: it starts the record.
void Tell(const std::vector<UserDay>& days, ToldRecord& record, std::time_t now, TextStyle style, Output& out) {
  const std::optional<std::time_t> told = record.ToldThrough();
  if (!told) return SaveRecord(record, now);
  const std::vector<DueReminder> due = RemindersDue(days, LoadRemindSettings(), *told, now);
  if (due.empty()) {
    // Nothing lost by keeping the older instant: a save every run would cost
    // more than the run, so the record moves once a day.
    if (now - *told > kSecondsPerDay) SaveRecord(record, now);
    return;
  }
  const std::vector<Notice> notices = NoticesOf(due, days, now, style);
  size_t accepted = 0;
  const std::string failure = SendNotices(notices, &accepted);
  for (size_t i = 0; i < accepted; ++i) out.Write(FieldText(notices[i].summary) + '\n');
  if (failure.empty()) return SaveRecord(record, now);
  SaveTold(record, due, notices, accepted);
  throw CommandError{failure + Tr("; the reminders are kept for the next run")};
}

}  // namespace

void RemindCommand(const Invocation& call, Output& out) {
  const RemindAsk& ask = call.reminding;
  if (call.operand && !ask.list) throw CommandError{Filled(Tr(kGoesWith), {Tr("DAYS"), "--list"})};
  if (ask.fasts || ask.feasts) return out.Write(ChangeSettings(ask, call.style.language));
  if (ask.setup) return out.Write(SetUpRunning(std::strcmp(ask.setup, "--enable") == 0));
  // A days file read in part tells nothing: what could not be read would be
  // passed over for good once the record moved on.
  DayStore store;
  if (ask.list) {
    LoadStoreOrSay(store, out);
  } else {
    LoadStore(store);
  }
  const std::time_t now = WallClock(nullptr);
  ToldRecord record;
  std::string why;
  if (!record.Held(&why)) throw CommandError{Filled(Tr("cannot keep what was told: %s"), {why})};
  if (!ask.list) return Tell(store.Days(), record, now, call.style, out);
  const std::time_t from = std::max(now, record.ToldThrough().value_or(now));
  WriteList(store.Days(), from, ListDays(call.operand), call.style, out);
}
