#include "export/holiday_export.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "calendar/calendar_date.h"
#include "calendar/holidays.h"
#include "church/fasts.h"
#include "export/holiday_calendar.h"
#include "export/safe_save.h"
#include "locale/translation.h"

namespace {

const char kExtension[] = ".ics";

// The fasting periods that begin in the year, its days cut to the span.
std::vector<FastPeriod> FastsOfYear(int year, CalendarKind kind) {
  const int first = CalendarDate(year, 1, 1, kind).dayNumber;
  const int last = first + CalendarDate::DaysInYear(year, kind) - 1;
  return FastsBeginningBetween(std::max(first, kFirstSpanDay), std::min(last, kLastSpanDay));
}

bool EndsWithExtension(const std::string& name) {
  const std::size_t length = sizeof kExtension - 1;
  if (name.size() <= length) return false;
  return std::equal(name.end() - length, name.end(), kExtension,
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

std::string HolidayFileName(const HolidayExport& what) {
  return "zelmora-holidays-" + std::to_string(what.year) + (what.kind == Gregorian ? "-gregorian" : "") + kExtension;
}

std::string HolidayExportTitle(const HolidayExport& what) {
  const char* title = what.kind == Gregorian
                          ? (what.withFasts ? N_("Holidays and fasting periods of the Gregorian year %s")
                                            : N_("Holidays of the Gregorian year %s"))
                          : (what.withFasts ? N_("Holidays and fasting periods of the Ethiopian year %s")
                                            : N_("Holidays of the Ethiopian year %s"));
  return Filled(Tr(title), {std::to_string(what.year)});
}

std::string WithIcsExtension(const std::string& path) {
  const std::string name = path.substr(path.rfind('/') + 1);
  return EndsWithExtension(name) ? path : path + kExtension;
}

bool SaveHolidayCalendar(const HolidayExport& what, const std::string& path, std::string* why) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string ics, reason;
  const std::vector<Holiday> holidays =
      what.kind == Gregorian ? HolidaysOfGregorianYear(what.year) : HolidaysOfEthiopianYear(what.year);
  const std::vector<FastPeriod> fasts = what.withFasts ? FastsOfYear(what.year, what.kind) : std::vector<FastPeriod>{};
  const bool saved = HolidayCalendar(holidays, fasts, &ics, &reason) &&
                     SaveInFolder(folder, name.c_str(), ics, ExistingFile::kReplace, &reason);
  if (!saved) *why = Filled(Tr("%s could not be saved (%s)."), {path, reason});
  return saved;
}
