#pragma once

#include <string>

#include "cli/commands.h"
#include "core/calendar/date_pair.h"

// A day as today, convert and day answer: two lines, the text of --format
// (for the calendar --to names, else `answered`), or with --json the day's
// object (json_text.h).
std::string DayAnswer(const DatePair& day, const Invocation& call, CalendarKind answered);
// The day's two lines, in Amharic or Ge'ez numerals when asked.
std::string DateLines(const DatePair& day, TextStyle style);
// A holiday's tags as "public,church", each word in the language.
std::string TagsIn(unsigned tags, Language language);
// The time of day now as the now command answers.
std::string NowAnswer(const Invocation& call);
