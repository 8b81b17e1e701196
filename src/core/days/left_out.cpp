#include "core/days/left_out.h"

#include <utility>

namespace {

struct CauseText {
  LeftOutCause cause;
  const char* reason;
  const char* word;
};

const CauseText kCauses[] = {
    {LeftOutCause::kNoStart, "has no start (DTSTART)", "without a start"},
    {LeftOutCause::kTimeOfDay, "has a time of day", "with a time of day"},
    {LeftOutCause::kSeveralDays, "spans several days", "of several days"},
    {LeftOutCause::kNoLength, "ends before its day is over (DTEND)", "ending early"},
    {LeftOutCause::kChangedDates, "has dates left out or moved (EXDATE, RECURRENCE-ID, DURATION, a second rule)",
     "with changed dates"},
    {LeftOutCause::kOtherDates, "has dates of its own (RDATE)", "with dates of its own"},
    {LeftOutCause::kOtherKind, "is of a kind Zelmora does not know (X-ZELMORA-KIND)", "of another kind"},
    {LeftOutCause::kDaily, "repeats daily", "daily"},
    {LeftOutCause::kWeekly, "repeats weekly", "weekly"},
    {LeftOutCause::kGregorianMonthly, "repeats every Gregorian month", "monthly"},
    {LeftOutCause::kOtherFrequency, "repeats more often than daily", "hourly"},
    {LeftOutCause::kInterval, "repeats with gaps (INTERVAL)", "with gaps"},
    {LeftOutCause::kCount, "repeats a number of times (COUNT)", "counted"},
    {LeftOutCause::kUntil, "repeats until a date (UNTIL)", "ending"},
    {LeftOutCause::kChosenDays, "repeats on chosen days (BYDAY, BYMONTHDAY, ...)", "on chosen days"},
    {LeftOutCause::kOtherRulePart, "has a rule part Zelmora does not keep", "with other rules"},
    {LeftOutCause::kSkip, "skips a missing day otherwise than Zelmora would (SKIP)", "skipping otherwise"},
    {LeftOutCause::kOtherScale, "repeats by another calendar (RSCALE)", "by another calendar"},
    {LeftOutCause::kOccurrence, "is one date of Zelmora's export of every date (days --ics)", "exported dates"},
    {LeftOutCause::kToDo, "is a to-do", "to-do"},
    {LeftOutCause::kJournal, "is a journal entry", "journal entry"},
};

const CauseText& TextOf(LeftOutCause cause) {
  for (const CauseText& text : kCauses) {
    if (text.cause == cause) return text;
  }
  return kCauses[0];
}

}  // namespace

const char* LeftOutReason(LeftOutCause cause) { return TextOf(cause).reason; }
const char* LeftOutWord(LeftOutCause cause) { return TextOf(cause).word; }
bool IsEvent(LeftOutCause cause) { return cause != LeftOutCause::kToDo && cause != LeftOutCause::kJournal; }

std::string LeftOutTally(const std::vector<LeftOut>& leftOut) {
  if (leftOut.empty()) return "";
  std::vector<std::pair<LeftOutCause, int>> counts;
  for (const LeftOut& item : leftOut) {
    auto found = counts.begin();
    while (found != counts.end() && found->first != item.cause) ++found;
    if (found == counts.end()) {
      counts.push_back({item.cause, 1});
    } else {
      ++found->second;
    }
  }
  std::string tally = std::to_string(leftOut.size()) + (leftOut.size() == 1 ? " event" : " events") +
                      " kept but not shown:";
  for (const auto& [cause, count] : counts) {
    tally += (tally.back() == ':' ? " " : ", ") + std::to_string(count) + " " + LeftOutWord(cause);
  }
  return tally;
}
