#pragma once

#include <string>
#include <vector>

// What a calendar file holds that is not among the user's days: an event
// whose dates Zelmora does not keep, a to-do, a journal entry. The store
// writes each back as it was read; import refuses a file with such events,
// and the days command counts them.
enum class LeftOutCause {
  kNoStart, kTimeOfDay, kSeveralDays, kNoLength, kChangedDates, kOtherDates, kOtherKind, kDaily, kWeekly,
  kGregorianMonthly, kOtherFrequency, kInterval, kCount, kUntil, kChosenDays, kOtherRulePart, kSkip, kOtherScale,
  kOccurrence, kToDo, kJournal,
};

// One thing left out, and the first line of it in its file.
struct LeftOut {
  int line = 0;
  LeftOutCause cause = LeftOutCause::kNoStart;
};

// Why it is left out, after "this event": "has a time of day", in the
// language the messages speak.
const char* LeftOutReason(LeftOutCause cause);
// What a count of them calls it: "weekly", "to-do", in that language too.
const char* LeftOutWord(LeftOutCause cause);
// Whether it is an event (not a to-do or a journal entry).
bool IsEvent(LeftOutCause cause);
// "2 events kept but not shown: 1 weekly, 1 to-do", each kind counted in the
// order first met; empty when nothing was left out.
std::string LeftOutTally(const std::vector<LeftOut>& leftOut);
