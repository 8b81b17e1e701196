#include "export/holiday_calendar.h"

#include "platform/module.h"

bool HolidayCalendar(const std::vector<Holiday>& holidays, std::string* ics, std::string* why) {
  auto* write = reinterpret_cast<decltype(&ZelmoraHolidayCalendar)>(
      ModuleFunction("zelmora-ical.so", "ZelmoraHolidayCalendar", why));
  if (!write) return false;
  write(&holidays, ics);
  return true;
}
