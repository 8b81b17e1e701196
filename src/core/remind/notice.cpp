#include "core/remind/notice.h"

#include "core/calendar/date_pair.h"
#include "core/export/days_calendar.h"
#include "core/locale/date_lines.h"
#include "core/locale/translation.h"

namespace {

// The summary of the missed names this many; the rest are counted.
constexpr size_t kMostMissedNamed = 10;

// How far off the day is from `today`, in words.
std::string HowFarOff(int32_t day, int32_t today, Language language) {
  const int32_t days = day - today;
  if (days == 0) return Tr("today", language);
  if (days == 1) return Tr("tomorrow", language);
  if (days == -1) return Tr("yesterday", language);
  if (days > 0) return Filled(Tr("in %s days", language), {std::to_string(days)});
  return Filled(Tr("%s days ago", language), {std::to_string(-days)});
}

Notice NoticeOf(const DueReminder& reminder, const std::vector<UserDay>& days, std::time_t now, TextStyle style) {
  return {ReminderName(reminder, days, style.language),
          BothDates(reminder.day, style) + ", " + HowFarOff(reminder.day, LocalDay(now), style.language)};
}

Notice MissedNotice(const std::vector<DueReminder>& missed, const std::vector<UserDay>& days, TextStyle style) {
  Notice notice{Filled(Tr("Reminders missed: %s", style.language), {std::to_string(missed.size())}), "", missed.size()};
  for (size_t i = 0; i < missed.size() && i < kMostMissedNamed; ++i) {
    notice.body += ReminderName(missed[i], days, style.language) + ": " + BothDates(missed[i].day, style) + '\n';
  }
  if (missed.size() > kMostMissedNamed) {
    notice.body += Filled(Tr("and %s more", style.language), {std::to_string(missed.size() - kMostMissedNamed)}) + '\n';
  }
  notice.body.pop_back();  // no newline after the last line
  return notice;
}

}  // namespace

std::string ReminderName(const DueReminder& reminder, const std::vector<UserDay>& days, Language language) {
  switch (reminder.of) {
    case RemindOf::kUserDay:
      return OccurrenceSummary(days[reminder.occurrence.index], reminder.occurrence, language);
    case RemindOf::kFast:
      return Filled(Tr("fast: %s", language), {NameIn(reminder.church, language)});
    case RemindOf::kFeast:
      break;
  }
  return NameIn(reminder.church, language);
}

std::string BothDates(int32_t day, TextStyle style) {
  const DatePair pair = DatePair::OfDay(day);
  return LongDateOf(pair, Ethiopian, style) + " (" + LongDateOf(pair, Gregorian, style) + ")";
}

std::vector<Notice> NoticesOf(const std::vector<DueReminder>& due, const std::vector<UserDay>& days, std::time_t now,
                              TextStyle style) {
  std::vector<DueReminder> missed;
  std::vector<Notice> notices;
  for (const DueReminder& reminder : due) {
    if (now - reminder.at > kLateSeconds) {
      missed.push_back(reminder);
    } else {
      notices.push_back(NoticeOf(reminder, days, now, style));
    }
  }
  if (!missed.empty()) notices.insert(notices.begin(), MissedNotice(missed, days, style));
  return notices;
}
