#include "core/days/alarm.h"

#include "core/ical/content_line.h"

namespace {

// What a reminder's VALARM holds, each line once.
struct AlarmLines {
  bool begin = false, action = false, trigger = false, description = false, end = false;
  Reminder reminder;
};

// A TRIGGER's parameters that leave it a duration from the start, as written by default.
bool FromStart(std::string_view params) {
  while (!params.empty()) {
    const size_t next = params.find(';', 1);
    const std::string_view param = params.substr(1, next == std::string_view::npos ? params.npos : next - 1);
    if (!Is(param, "RELATED=START") && !Is(param, "VALUE=DURATION")) return false;
    params = next == std::string_view::npos ? std::string_view() : params.substr(next);
  }
  return true;
}

bool Once(bool* seen) {
  if (*seen) return false;
  *seen = true;
  return true;
}

// Takes one line into what the alarm holds; false for a line no reminder has, or one twice.
bool Take(const LineParts& parts, AlarmLines* alarm) {
  if (Is(parts.name, "BEGIN")) return Is(parts.value, "VALARM") && Once(&alarm->begin);
  if (Is(parts.name, "END")) return Is(parts.value, "VALARM") && Once(&alarm->end);
  if (Is(parts.name, "ACTION")) return parts.params.empty() && Is(parts.value, "DISPLAY") && Once(&alarm->action);
  if (Is(parts.name, "DESCRIPTION")) return parts.params.empty() && Once(&alarm->description);
  if (!Is(parts.name, "TRIGGER") || !FromStart(parts.params)) return false;
  return ReminderOfTrigger(parts.value, &alarm->reminder) && Once(&alarm->trigger);
}

}  // namespace

bool TakeReminder(std::string_view component, std::vector<Reminder>* reminders) {
  LineReader lines(component);
  UnfoldedLine line;
  AlarmLines alarm;
  while (lines.Next(&line)) {
    LineParts parts;
    if (alarm.end || !SplitLine(line.text, &parts) || !Take(parts, &alarm)) return false;
  }
  if (!(alarm.begin && alarm.action && alarm.trigger && alarm.description && alarm.end)) return false;
  constexpr size_t kUsualReminders = 2;  // one on the day, one before it: a day's alarms take one allocation
  if (reminders->empty()) reminders->reserve(kUsualReminders);
  reminders->push_back(alarm.reminder);
  SortReminders(reminders);
  return true;
}

void AddAlarms(const std::vector<Reminder>& reminders, const std::string& what, std::string* ics) {
  for (const Reminder& reminder : reminders) {
    AddLine("BEGIN:VALARM", ics);
    AddLine("ACTION:DISPLAY", ics);
    AddLine("TRIGGER:" + TriggerText(reminder), ics);
    AddLine("DESCRIPTION:" + Escaped(what), ics);
    AddLine("END:VALARM", ics);
  }
}
