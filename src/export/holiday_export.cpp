#include "export/holiday_export.h"

#include "calendar/holidays.h"
#include "export/holiday_calendar.h"
#include "export/safe_save.h"

std::string HolidayFileName(int ethiopianYear) { return "zelmora-holidays-" + std::to_string(ethiopianYear) + ".ics"; }

bool SaveHolidayCalendar(int ethiopianYear, const std::string& path, std::string* why) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string reason;
  const bool saved =
      SaveInFolder(folder, name.c_str(), HolidayCalendar(HolidaysOfEthiopianYear(ethiopianYear)), ExistingFile::kReplace, &reason);
  if (!saved) *why = path + " could not be saved (" + reason + ").";
  return saved;
}
