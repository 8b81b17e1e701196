#pragma once

#include <string>
#include <vector>

#include "calendar/holidays.h"

// The holidays as an iCalendar (RFC 5545) file, written with libical: one
// all-day event each, with the English name as its summary, the Amharic name
// and the Ethiopian date in its description, its tags as categories, and a
// UID that every export of the same holiday repeats.
std::string HolidayCalendar(const std::vector<Holiday>& holidays);
