#include "core/export/holiday_export.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/calendar/calendar_date.h"
#include "core/calendar/holidays.h"
#include "core/church/fasts.h"
#include "core/days/occurrences.h"
#include "core/export/days_calendar.h"
#include "core/export/holiday_calendar.h"
#include "core/ical/ics_text.h"
#include "core/storage/safe_save.h"
#include "core/locale/translation.h"

namespace {

const char kExtension[] = ".ics";

bool WithUserDays(const HolidayExport& what) { return what.userDays && !what.userDays->empty(); }

// The user's days of the year, as events of the file being written.
bool AddUserDays(const HolidayExport& what, std::string* ics, std::string* why) {
  if (!WithUserDays(what)) return true;
  const DaySpan span = YearSpan(what.year, what.kind);
  return AddOccurrenceEvents(*what.userDays, OccurrencesBetween(*what.userDays, span.first, span.last), ics, why);
}

// The year's holidays, its fasts and the user's days when asked, as one file.
bool ExportCalendar(const HolidayExport& what, std::string* ics, std::string* why) {
  const std::vector<Holiday> holidays = HolidaysOfYear(what.year, what.kind);
  const std::vector<FastPeriod> fasts = what.withFasts ? FastsOfYear(what.year, what.kind) : std::vector<FastPeriod>{};
  ics::AddHeader(ics);
  if (!AddHolidayEvents(holidays, fasts, ics, why, {what.language, what.reminders}) || !AddUserDays(what, ics, why)) {
    return false;
  }
  ics::AddFooter(ics);
  return true;
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
  const std::string holds = Filled(Tr(title), {std::to_string(what.year)});
  return WithUserDays(what) ? Filled(Tr("%s, with my days"), {holds}) : holds;
}

std::string WithIcsExtension(const std::string& path) {
  const std::string name = path.substr(path.rfind('/') + 1);
  return EndsWithExtension(name) ? path : path + kExtension;
}

bool HolidayExportWritable(const HolidayExport& what, std::string* why) {
  std::string ics, reason;
  if (ExportCalendar(what, &ics, &reason)) return true;
  *why = Filled(Tr("The holidays of this year cannot be exported (%s)."), {reason});
  return false;
}

bool SaveHolidayCalendar(const HolidayExport& what, const std::string& path, std::string* why) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string ics, reason;
  const bool saved = ExportCalendar(what, &ics, &reason) &&
                     SaveInFolder(folder, name.c_str(), ics, ExistingFile::kReplace, &reason);
  if (!saved) *why = Filled(Tr("%s could not be saved (%s)."), {path, reason});
  return saved;
}
