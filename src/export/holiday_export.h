#pragma once

#include <string>

// Tool > Export holidays: one Ethiopian year's holidays as an iCalendar file.

// The name offered for it: "zelmora-holidays-YEAR.ics".
std::string HolidayFileName(int ethiopianYear);
// Writes the file at path, replacing it whole or leaving it as it was; false
// with one sentence for the user in *why.
bool SaveHolidayCalendar(int ethiopianYear, const std::string& path, std::string* why);
