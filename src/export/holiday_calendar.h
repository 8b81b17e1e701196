#pragma once

#include <string>
#include <vector>

#include "calendar/holidays.h"

// The holidays as an iCalendar (RFC 5545) file, written with libical: one
// all-day event each, with the English name as its summary, the Amharic name
// and the Ethiopian date in its description, its tags as categories, and a
// UID that every export of the same holiday repeats. The writer lives in its
// own module; false with the reason in *why when that cannot be loaded.
bool HolidayCalendar(const std::vector<Holiday>& holidays, std::string* ics, std::string* why);

// The module's entry, by this name.
extern "C" void ZelmoraHolidayCalendar(const std::vector<Holiday>* holidays, std::string* ics);
