#pragma once

#include <string>

#include "core/calendar/date_pair.h"
#include "core/days/user_day.h"
#include "core/locale/language_names.h"

// How the user's days are named in the windows.

// The repeats in the order the dialog offers them, and each one's name in
// the chosen language.
inline constexpr Repeat kRepeats[] = {Repeat::kOnce, Repeat::kEthiopianYear, Repeat::kEthiopianMonth,
                                      Repeat::kGregorianYear, Repeat::kMemorial};
const char* RepeatName(Repeat repeat);
// The untranslated name, for a menu that translates its own items.
const char* RepeatKey(Repeat repeat);

// "Hdar 20, 2001": the day in one calendar, Ge'ez numerals for an Ethiopian
// date only.
std::string DateIn(const DatePair& day, CalendarKind kind, TextStyle style);
// The Ethiopian date, then the Gregorian one.
std::string BothDates(const DatePair& day, TextStyle style, const char* between = " / ");
// What the calendar says of the day, a line each: its holidays, the fast
// kept and the saint remembered, in the language asked for; "" for none.
std::string DayFactsText(const DatePair& day, Language language);
// text with a memorial's observance after it, "Memorial (Fortieth day)";
// which is a Commemoration (days/memorial.h), kNone leaving text as it is.
std::string WithObservance(const std::string& text, int which, Language language);
