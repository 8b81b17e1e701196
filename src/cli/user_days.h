#pragma once

#include <string>
#include <vector>

#include "cli/output.h"
#include "core/days/day_store.h"
#include "core/days/occurrences.h"
#include "core/locale/language_names.h"

// What the commands share about the user's days: the store read whole or
// refused, the repeats' words, and a day's text where it is shown.

// The store, loaded; throws CommandError naming each line that cannot be
// read, so that no command about the days works from half a file.
void LoadStore(DayStore& store);
// The same for a command whose answer is about the calendar too (agenda,
// day): the lines that cannot be read are said on `out`'s error stream, the
// command ends with status 1, and its answer holds the days that could be read.
void LoadStoreOrSay(DayStore& store, Output& out);
// One line for each error, "FILE line N: what" (no line for the file as a whole).
std::string ErrorLines(const std::string& file, const std::vector<StoreError>& errors);
// The words of --every and of the list: once, year, month, gregorian-year, memorial.
const char* RepeatWord(Repeat repeat);
// --every's word as a repeat; throws CommandError for any other.
Repeat ReadRepeat(const char* word);
// --remind's WHENs as reminders; throws CommandError naming the one that is none.
std::vector<Reminder> ReadReminders(const std::vector<std::string>& whens);
// The name an occurrence goes by: the day's, and for a memorial which commemoration it is.
std::string OccurrenceName(const UserDay& day, const Occurrence& occurrence, TextStyle style);
// Text from a file, safe in one field of a line on a terminal: control
// characters (a tab or newline among them) become spaces.
std::string FieldText(const std::string& text);
// The same appended to a line, as a list of thousands of days is written.
void AppendField(const std::string& text, std::string& line);
// The names and note of a day typed in keep the rule for text
// (ical/text_rule.h); throws CommandError naming the first byte that does not.
void CheckDayText(const UserDay& day);
// "2 events kept but not shown: 1 weekly, 1 to-do" and a newline, for what
// the store holds but does not show; empty when it holds nothing more.
std::string LeftOutLine(const DayStore& store);
// The user's days on one day, a line each, as the day command lists them.
std::string UserDayLines(const std::vector<UserDay>& days, int dayNumber, TextStyle style);
// The days of the occurrences given as a JSON array, each day with its UID, name, note and repeat.
std::string UserDaysJson(const std::vector<UserDay>& days, const std::vector<Occurrence>& occurrences, TextStyle style);
// A day's JSON object as the other commands write it, with the user's days
// (UserDaysJson) added under "days".
std::string WithUserDays(std::string dayObject, const std::string& userDays);
