#include "export/holiday_calendar.h"

#include "platform/module.h"

bool HolidayCalendar(const std::vector<Holiday>& holidays, const std::vector<FastPeriod>& fasts, std::string* ics,
                     std::string* why) {
  auto* write = reinterpret_cast<decltype(&ZelmoraHolidayCalendar)>(
      ModuleFunction("zelmora-ical.so", "ZelmoraHolidayCalendar", why));
  return write && write(&holidays, &fasts, ics, why);
}
