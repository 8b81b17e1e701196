#pragma once

#include <string>

#include "cli/commands.h"
#include "calendar/date_pair.h"

// A day as today and convert answer: two lines, the text of --format, or
// with --json one object of both dates and the day's holidays.
std::string DayAnswer(const DatePair& day, const Invocation& call);
// The day's two lines, in Amharic or Ge'ez numerals when asked.
std::string DateLines(const DatePair& day, TextStyle style);
// A holiday's tags as "public,church", each word in the language.
std::string TagsIn(unsigned tags, Language language);
// The time of day now as the now command answers.
std::string NowAnswer(const Invocation& call);
