#pragma once

#include <string>

#include "cli/output.h"
#include "core/calendar/date_pair.h"
#include "core/church/day_facts.h"
#include "core/locale/language_names.h"

// The terminal's JSON: one schema for a day, whichever command writes it:
// {"ethiopian":DATE,"gregorian":DATE,"holidays":[{"name","tags"}...],
//  "fast":NAME|null,"commemoration":NAME|null}, where a DATE is
// {"year","month","day","month_name","weekday_name"}.

std::string JsonString(const std::string& text);
// One calendar's DATE of the day.
std::string JsonDate(const DatePair& day, CalendarKind kind, TextStyle style);
// `day` is one of facts.days.
std::string JsonDay(const DaysFacts& facts, const DayFacts& day, TextStyle style);
// One day in the span, its facts looked up.
std::string JsonDayOf(int dayNumber, TextStyle style);
// The days [firstDay, lastDay] as a JSON array and a newline; with
// `holidaysOnly`, only those that have a holiday. Worked out and written a
// year at a time, so that a long range never holds every day at once.
void WriteJsonDays(int firstDay, int lastDay, bool holidaysOnly, TextStyle style, Output& out);
