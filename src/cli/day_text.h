#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"
#include "calendar/date_pair.h"
#include "calendar/holidays.h"

// A day as today and convert answer: two lines, the text of --format, or
// with --json one object of both dates and the day's holidays.
std::string DayAnswer(const DatePair& day, const Invocation& call);
// The day's two lines, in Amharic or Ge'ez numerals when asked.
std::string DateLines(const DatePair& day, TextStyle style);
// A JSON string of the text, quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);
// One calendar's date of the day as a JSON object: numbers and names.
std::string JsonDate(const DatePair& day, CalendarKind kind, TextStyle style);
// Holiday tags as "public,expected" as the JSON list ["public","expected"].
std::string JsonTags(const std::string& tags);
// The holidays as a JSON list of objects: name and tags.
std::string JsonHolidays(const std::vector<Holiday>& holidays, TextStyle style);
// The time of day now as the now command answers.
std::string NowAnswer(const Invocation& call);
