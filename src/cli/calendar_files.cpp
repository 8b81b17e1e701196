#include "cli/calendar_files.h"

#include <algorithm>

#include "cli/command_error.h"
#include "core/locale/translation.h"
#include "core/church/fasts.h"
#include "core/days/occurrences.h"
#include "core/export/days_calendar.h"
#include "core/export/holiday_calendar.h"
#include "core/ical/ics_text.h"

namespace {

// The user's days' events made at a time: a year of thousands of days holds
// hundreds of thousands of dates.
constexpr std::size_t kBatch = 1024;

// Only the last years can reach past iCalendar's end, and every year after
// one that does reaches past it too: the years are tried from the last back
// until one passes, and the earliest failure of the first pass that fails is
// the one the whole file would have met first.
void RefuseWhatCannotBeWritten(YearRange years, const std::vector<YearEvents>& passes) {
  std::vector<std::string> earliest(passes.size());
  for (int year = years.last; year >= years.first; --year) {
    bool failed = false;
    for (std::size_t pass = 0; pass < passes.size(); ++pass) {
      std::string why;
      if (!passes[pass](year, nullptr, &why)) {
        earliest[pass] = why;
        failed = true;
      }
    }
    if (!failed) break;
  }
  for (const std::string& why : earliest) {
    if (!why.empty()) throw CommandError{Filled(Tr(kCannotWriteCalendar), {why})};
  }
}

// The events made so far, written (or dropped in a trial) so that no more
// than a batch is held.
void Emit(std::string& ics, Output* out) {
  if (out) out->Write(ics);
  ics.clear();
}

}  // namespace

void WriteCalendar(YearRange years, const std::vector<YearEvents>& passes, Output& out) {
  RefuseWhatCannotBeWritten(years, passes);
  std::string ics;
  ics::AddHeader(&ics);
  out.Write(ics);
  for (const YearEvents& pass : passes) {
    for (int year = years.first; year <= years.last; ++year) {
      std::string why;
      if (!pass(year, &out, &why)) throw CommandError{Filled(Tr(kCannotWriteCalendar), {why})};
    }
  }
  ics.clear();
  ics::AddFooter(&ics);
  out.Write(ics);
}

void WriteHolidayCalendar(YearRange years, CalendarKind kind, bool fasts, const HolidayEventStyle& style, Output& out) {
  std::vector<YearEvents> passes = {[kind, &style](int year, Output* to, std::string* why) {
    std::string ics;
    const bool made = AddHolidayEvents(HolidaysOfYear(year, kind), {}, &ics, why, style);
    Emit(ics, to);
    return made;
  }};
  if (fasts) {
    passes.emplace_back([kind, &style](int year, Output* to, std::string* why) {
      std::string ics;
      const bool made = AddHolidayEvents({}, FastsOfYear(year, kind), &ics, why, style);
      Emit(ics, to);
      return made;
    });
  }
  WriteCalendar(years, passes, out);
}

void WriteOccurrenceCalendar(const std::vector<UserDay>& days, YearRange years, CalendarKind kind, Output& out) {
  WriteCalendar(years, {[&days, kind](int year, Output* to, std::string* why) {
                  const DaySpan span = YearSpan(year, kind);
                  const std::vector<Occurrence> all = OccurrencesBetween(days, span.first, span.last);
                  std::string ics;
                  // A trial asks first for the year's last date alone: when it can be written, every one can.
                  if (!to && (all.empty() || AddOccurrenceEvents(days, {all.back()}, &ics, why))) return true;
                  for (std::size_t from = 0; from < all.size(); from += kBatch) {
                    const auto begin = all.begin() + static_cast<std::ptrdiff_t>(from);
                    const std::vector<Occurrence> batch(begin, begin + static_cast<std::ptrdiff_t>(
                                                                           std::min(kBatch, all.size() - from)));
                    if (!AddOccurrenceEvents(days, batch, &ics, why)) return false;
                    Emit(ics, to);
                  }
                  return true;
                }},
                out);
}
