#include "core/days/left_out.h"

#include <utility>

#include "core/locale/translation.h"

namespace {

struct CauseText {
  LeftOutCause cause;
  const char* reason;
  const char* word;
};

const CauseText kCauses[] = {
    {LeftOutCause::kNoStart, N_("has no start (DTSTART)"), N_("without a start")},
    {LeftOutCause::kTimeOfDay, N_("has a time of day"), N_("with a time of day")},
    {LeftOutCause::kSeveralDays, N_("spans several days"), N_("of several days")},
    {LeftOutCause::kNoLength, N_("ends before its day is over (DTEND)"), N_("ending early")},
    {LeftOutCause::kChangedDates, N_("has dates left out or moved (EXDATE, RECURRENCE-ID, DURATION, a second rule)"),
     N_("with changed dates")},
    {LeftOutCause::kOtherDates, N_("has dates of its own (RDATE)"), N_("with dates of its own")},
    {LeftOutCause::kOtherKind, N_("is of a kind Zelmora does not know (X-ZELMORA-KIND)"), N_("of another kind")},
    {LeftOutCause::kDaily, N_("repeats daily"), N_("daily")},
    {LeftOutCause::kWeekly, N_("repeats weekly"), N_("weekly")},
    {LeftOutCause::kGregorianMonthly, N_("repeats every Gregorian month"), N_("monthly")},
    {LeftOutCause::kOtherFrequency, N_("repeats more often than daily"), N_("hourly")},
    {LeftOutCause::kInterval, N_("repeats with gaps (INTERVAL)"), N_("with gaps")},
    {LeftOutCause::kCount, N_("repeats a number of times (COUNT)"), N_("counted")},
    {LeftOutCause::kUntil, N_("repeats until a date (UNTIL)"), N_("ending")},
    {LeftOutCause::kChosenDays, N_("repeats on chosen days (BYDAY, BYMONTHDAY, ...)"), N_("on chosen days")},
    {LeftOutCause::kOtherRulePart, N_("has a rule part Zelmora does not keep"), N_("with other rules")},
    {LeftOutCause::kSkip, N_("skips a missing day otherwise than Zelmora would (SKIP)"), N_("skipping otherwise")},
    {LeftOutCause::kOtherScale, N_("repeats by another calendar (RSCALE)"), N_("by another calendar")},
    {LeftOutCause::kOccurrence, N_("is one date of Zelmora's export of every date (days --ics)"), N_("exported dates")},
    {LeftOutCause::kToDo, N_("is a to-do"), N_("to-do")},
    {LeftOutCause::kJournal, N_("is a journal entry"), N_("journal entry")},
};

const CauseText& TextOf(LeftOutCause cause) {
  for (const CauseText& text : kCauses) {
    if (text.cause == cause) return text;
  }
  return kCauses[0];
}

}  // namespace

const char* LeftOutReason(LeftOutCause cause) { return Tr(TextOf(cause).reason); }
const char* LeftOutWord(LeftOutCause cause) { return Tr(TextOf(cause).word); }
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
  std::string kinds;
  for (const auto& [cause, count] : counts) {
    const std::string kind = std::to_string(count) + " " + LeftOutWord(cause);
    kinds = kinds.empty() ? kind : Filled(Tr("%s, %s"), {kinds, kind});
  }
  // Counted from one, where English and Amharic agree on the plural.
  const char* pattern =
      leftOut.size() == 1 ? N_("%s event kept but not shown: %s") : N_("%s events kept but not shown: %s");
  return Filled(Tr(pattern), {std::to_string(leftOut.size()), kinds});
}
