#include "export/holiday_export.h"

#include "calendar/holidays.h"
#include "export/holiday_calendar.h"
#include "export/safe_save.h"
#include "locale/translation.h"

std::string HolidayFileName(int year, CalendarKind kind) {
  return "zelmora-holidays-" + std::to_string(year) + (kind == Gregorian ? "-gregorian" : "") + ".ics";
}

bool SaveHolidayCalendar(int year, CalendarKind kind, const std::string& path, std::string* why) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string ics, reason;
  const std::vector<Holiday> holidays = kind == Gregorian ? HolidaysOfGregorianYear(year) : HolidaysOfEthiopianYear(year);
  const bool saved = HolidayCalendar(holidays, {}, &ics, &reason) &&
                     SaveInFolder(folder, name.c_str(), ics, ExistingFile::kReplace, &reason);
  if (!saved) *why = Filled(Tr("%s could not be saved (%s)."), {path, reason});
  return saved;
}
