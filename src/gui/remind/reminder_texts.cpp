#include "gui/remind/reminder_texts.h"

#include "core/locale/translation.h"
#include "core/remind/due.h"
#include "core/remind/notice.h"

namespace {

// "08:00": the terminal's form of a reminder on the day, without its '@'.
std::string ClockText(int minuteOfDay) {
  Reminder onTheDay;
  onTheDay.minuteOfDay = minuteOfDay;
  return ReminderText(onTheDay).substr(1);
}

}  // namespace

std::string ReminderLine(const Reminder& reminder) {
  const std::string time = ClockText(reminder.minuteOfDay);
  if (reminder.daysBefore == 0) return Filled(Tr("On the day at %s"), {time});
  if (reminder.daysBefore == 1) return Filled(Tr("The day before at %s"), {time});
  return Filled(Tr("%s days before at %s"), {std::to_string(reminder.daysBefore), time});
}

std::string NextReminderLine(const UserDay& day, std::time_t now, TextStyle style) {
  const std::optional<std::time_t> next = NextReminder(day, now);
  if (!next) return "";
  return Filled(Tr("Next reminder: %s at %s"), {BothDates(LocalDay(*next), style), LocalClockText(*next)});
}
