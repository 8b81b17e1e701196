// The agenda command: the coming days, each with its holidays, fast,
// commemoration and the user's own days; or today on one line.
#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "core/church/day_facts.h"
#include "cli/command_error.h"
#include "cli/commands.h"
#include "cli/date_argument.h"
#include "cli/day_text.h"
#include "cli/json_text.h"
#include "cli/user_days.h"
#include "core/export/days_calendar.h"
#include "core/locale/date_lines.h"
#include "core/locale/translation.h"

namespace {

constexpr int kDefaultDays = 7;
// Ten years: past that an agenda is no longer read day by day.
constexpr int kMostDays = 3660;
// The days worked out at a time: a large store's dates of a month take megabytes.
constexpr int kRunDays = 31;

// The user's days on one date, made whole, and their occurrences (indexes into them).
struct Mine {
  std::vector<Occurrence> occurrences;
  std::vector<UserDay> days;
};

// A run of days: what the calendar says of each, and the user's days that fall in it.
struct Agenda {
  DaysFacts facts;
  const DayRecords& records;
  std::vector<Occurrence> occurrences;  // sorted by day
  Mine mine;                            // on the date written last
};

// The occurrences on one day, found by halves: an agenda of years holds many.
std::vector<Occurrence> OccurrencesOn(const Agenda& agenda, int dayNumber) {
  const auto byDay = [](const Occurrence& a, const Occurrence& b) { return a.day < b.day; };
  const Occurrence key{dayNumber, 0};
  const auto range = std::equal_range(agenda.occurrences.begin(), agenda.occurrences.end(), key, byDay);
  return {range.first, range.second};
}

const Mine& MineOn(Agenda& agenda, int dayNumber) {
  agenda.mine.occurrences = OccurrencesOn(agenda, dayNumber);
  agenda.records.DaysOf(&agenda.mine.occurrences, &agenda.mine.days);
  return agenda.mine;
}

int ReadCount(const char* text) {
  char* end = nullptr;
  errno = 0;
  const long count = std::strtol(text, &end, 10);
  if (end == text || *end || errno || count < 1 || count > kMostDays) {
    throw CommandError{Filled(Tr("%s is no number of days; expected 1 to %s"), {Quoted(text), std::to_string(kMostDays)})};
  }
  return static_cast<int>(count);
}

Agenda AgendaOf(const DayRecords& records, int firstDay, int count) {
  Agenda agenda{FactsOfDays(firstDay, count), records, {}, {}};
  if (!agenda.facts.days.empty()) {
    agenda.occurrences = OccurrencesBetween(records.Dates(), firstDay, agenda.facts.days.back().dayNumber);
  }
  return agenda;
}

// What is said of one date, each with its kind: the user's days first, as an
// agenda is about them, then the calendar's. The kinds are written in the
// language asked for.
const char kMine[] = N_("my day");
const char kHoliday[] = N_("holiday");
const char kFast[] = N_("fast");
const char kCommemoration[] = N_("commemoration");

struct Fact {
  const char* kind;  // one of the four above
  std::string text;
};

std::vector<Fact> FactsOf(Agenda& agenda, const DayFacts& entry, TextStyle style) {
  std::vector<Fact> facts;
  const Mine& mine = MineOn(agenda, entry.dayNumber);
  for (const Occurrence& occurrence : mine.occurrences) {
    facts.push_back({kMine, OccurrenceName(mine.days[occurrence.index], occurrence, style)});
  }
  for (const Holiday& holiday : HolidaysIn(agenda.facts, entry.dayNumber)) {
    facts.push_back({kHoliday, std::string(NameIn(holiday, style.language))});
  }
  if (entry.fast) facts.push_back({kFast, NameIn(*entry.fast, style.language)});
  if (entry.commemoration) facts.push_back({kCommemoration, NameIn(*entry.commemoration, style.language)});
  return facts;
}

// One line a fact: Ethiopian date, Gregorian date, kind, text; written a
// day at a time, as a run of a year may hold hundreds of thousands.
void WriteAgendaLines(Agenda& agenda, TextStyle style, Output& out) {
  for (const DayFacts& entry : agenda.facts.days) {
    const DatePair day = DatePair::OfDay(entry.dayNumber);
    const std::string dates = day.dates[Ethiopian].NumericText() + '\t' + day.dates[Gregorian].NumericText() + '\t';
    std::string text;
    for (const Fact& fact : FactsOf(agenda, entry, style)) {
      text += dates + Tr(fact.kind, style.language) + '\t' + fact.text + '\n';
    }
    out.Write(text);
  }
}

// The user's days and the holidays speak for themselves; the church's days
// say what they are, in the words `day` uses.
std::string Said(const Fact& fact, Language language) {
  if (fact.kind == kFast) return Filled(Tr("fast: %s", language), {fact.text});
  if (fact.kind == kCommemoration) return Filled(Tr("commemoration: %s", language), {fact.text});
  return fact.text;
}

// Today on one line, as a notification at login shows it.
std::string TodayLine(Agenda agenda, TextStyle style) {
  const DayFacts& entry = agenda.facts.days.front();
  const DatePair day = DatePair::OfDay(entry.dayNumber);
  std::string text = LongDateOf(day, Ethiopian, style) + " (" + LongDateOf(day, Gregorian, style) + ")";
  const char* separator = ": ";
  for (const Fact& fact : FactsOf(agenda, entry, style)) {
    text += separator + Said(fact, style.language);
    separator = "; ";
  }
  return text + '\n';
}

// Each day as the other commands write it, with the user's days added;
// `first` for the run that opens the list.
void WriteAgendaJson(Agenda& agenda, TextStyle style, bool first, Output& out) {
  for (const DayFacts& entry : agenda.facts.days) {
    const Mine& mine = MineOn(agenda, entry.dayNumber);
    const std::string days = UserDaysJson(mine.days, mine.occurrences, style);
    out.Write((first ? "" : ",") + WithUserDays(JsonDay(agenda.facts, entry, style), days));
    first = false;
  }
}

}  // namespace

// Worked out and written a year at a time: an agenda of ten years over a
// store of thousands of days holds millions of dates.
void AgendaCommand(const Invocation& call, Output& out) {
  if (call.today && call.operand) throw CommandError{Tr("--today goes without DAYS; expected one or the other")};
  if (call.today && call.json) throw CommandError{Filled(Tr(kExclude), {"--today", "--json"})};
  const int count = call.operand ? ReadCount(call.operand) : call.today ? 1 : kDefaultDays;
  const int firstDay = Today().dates[Gregorian].dayNumber;
  // Only the days that can come in the run are held, and their UIDs and notes only for JSON.
  DayRecords records(firstDay, firstDay + count - 1, call.json ? DayRecords::Texts::kAll : DayRecords::Texts::kNames);
  LoadStoreOrSay(records, out);
  if (call.today) return out.Write(TodayLine(AgendaOf(records, firstDay, 1), call.style));
  if (call.json) out.Write("[");
  for (int from = firstDay; from < firstDay + count; from += kRunDays) {
    Agenda agenda = AgendaOf(records, from, std::min(kRunDays, firstDay + count - from));
    if (call.json) {
      WriteAgendaJson(agenda, call.style, from == firstDay, out);
    } else {
      WriteAgendaLines(agenda, call.style, out);
    }
  }
  if (call.json) out.Write("]\n");
}
