#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/days/reminder.h"

// A reminder in an iCalendar file is a VALARM (RFC 5545, 3.6.6) of this form
// alone, so that an alarm another program wrote is never taken for one and
// lost: ACTION:DISPLAY, a TRIGGER that is a duration from the day's start,
// a DESCRIPTION, nothing else.

// Adds the reminder a component holds, BEGIN to END as read, to a day's
// (in their order, once); false, adding nothing, when it is no VALARM or an
// alarm of another form (another action, a trigger at a date and time or from
// the end, REPEAT, other properties, a duration no reminder holds).
bool TakeReminder(std::string_view component, std::vector<Reminder>* reminders);

// The VALARM of each reminder, saying what: the day's or the holiday's name.
void AddAlarms(const std::vector<Reminder>& reminders, const std::string& what, std::string* ics);
