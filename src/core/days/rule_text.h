#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/days/left_out.h"
#include "core/days/user_day.h"

// A repeat as the file's RRULE says it (RFC 5545, RFC 7529), both ways.

// The rule written for the day; empty for a day that comes once.
std::string RuleText(const UserDay& day);

// The repeat a rule means, when it is one Zelmora keeps with the same
// meaning: the rule that would be written for that start, SKIP included
// where the start can miss a month or a year. False, with the cause, for any
// other.
bool RepeatOfRule(std::string_view rule, int32_t start, Repeat* repeat, LeftOutCause* cause);
