#pragma once

#include <string>
#include <vector>

#include "core/days/occurrences.h"
#include "core/days/user_day.h"
#include "core/language/language.h"

// The user's days as an iCalendar (RFC 5545) file of their dates, written
// as the holidays' is, for calendars that do not expand RSCALE (the rules
// themselves are the store's own file, days/days_file.h). False with the
// reason in *why when a date cannot be written: a file is written whole or
// not at all.

// The name an occurrence goes by: the day's, and for a memorial which
// commemoration it is, in the language asked.
std::string OccurrenceSummary(const UserDay& day, const Occurrence& occurrence, Language language);
// Every occurrence as an all-day event with the day's reminders as VALARMs
// (relative to the occurrence, as phones expect them), appended to a file being written
// (another's, such as the holidays'); false past iCalendar's years.
bool AddOccurrenceEvents(const std::vector<UserDay>& days, const std::vector<Occurrence>& occurrences,
                         std::string* ics, std::string* why);
// Every occurrence as an all-day event of its own; each has a UID that every export repeats (the day's
// and the occurrence's Gregorian date).
bool OccurrenceCalendar(const std::vector<UserDay>& days, const std::vector<Occurrence>& occurrences,
                        std::string* ics, std::string* why);
