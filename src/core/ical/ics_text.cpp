#include "core/ical/ics_text.h"

#include <cstdio>

#include "core/calendar/date_names.h"
#include "core/identity/program_identity.h"
#include "core/locale/language_names.h"
#include "core/locale/translation.h"

namespace ics {

const char kUidDomain[] = "@zelmora.example.org";

namespace {

const std::string kProductPrefix = std::string("-//") + kProgramName + "//";

}  // namespace

bool DateDigits(const CalendarDate& gregorian, std::string* digits, std::string* why) {
  if (gregorian.year > kLastFourDigitYear) {
    *why = Filled(Tr("iCalendar has no dates after the year %s, and %s is one"),
                  {std::to_string(kLastFourDigitYear), gregorian.NumericText()});
    return false;
  }
  char text[sizeof "-32768-128-128"];  // as wide as the fields' types allow, though the year is checked
  std::snprintf(text, sizeof text, "%04d%02d%02d", gregorian.year, gregorian.month, gregorian.day);
  *digits = text;
  return true;
}

bool DateDigits(int32_t dayNumber, std::string* digits, std::string* why) {
  if (!CalendarDate::InSpan(dayNumber)) {
    *why = Tr("the day is past the calendars' span");
    return false;
  }
  CalendarDate gregorian;
  gregorian.SetFromDayNumber(dayNumber, Gregorian);
  return DateDigits(gregorian, digits, why);
}

bool AddDate(const char* name, const CalendarDate& gregorian, std::string* ics, std::string* why) {
  std::string digits;
  if (!DateDigits(gregorian, &digits, why)) return false;
  AddLine(std::string(name) + ";VALUE=DATE:" + digits, ics);
  return true;
}

// A plain snapshot (RFC 5545, 3.7.2): no METHOD, which would ask for an organizer.
void AddHeader(std::string* ics) {
  AddLine("BEGIN:VCALENDAR", ics);
  AddLine("VERSION:2.0", ics);
  AddLine("PRODID:" + kProductPrefix + kProgramName + " " + kVersion + "//EN", ics);
  AddLine("CALSCALE:GREGORIAN", ics);
}

void AddFooter(std::string* ics) { AddLine("END:VCALENDAR", ics); }

bool IsOwnProduct(std::string_view productId) { return productId.substr(0, kProductPrefix.size()) == kProductPrefix; }

std::string DatedUid(const CalendarDate& gregorian, std::string_view rest) {
  std::string digits, why;
  DateDigits(gregorian, &digits, &why);  // past the last year the event is refused by its DTSTART
  return digits + "-" + std::string(rest);
}

bool IsDatedUid(std::string_view uid, int32_t dayNumber) {
  std::string digits, why;
  return DateDigits(dayNumber, &digits, &why) && uid.size() > digits.size() + 1 &&
         uid.substr(0, digits.size()) == digits && uid[digits.size()] == '-';
}

std::string UidOfLines(std::string_view event) {
  constexpr uint64_t kFnvOffset = 14695981039346656037ULL;  // FNV-1a, 64 bits
  constexpr uint64_t kFnvPrime = 1099511628211ULL;
  uint64_t hash = kFnvOffset;
  LineReader lines(event);
  for (UnfoldedLine line; lines.Next(&line);) {
    LineParts parts;
    if (SplitLine(line.text, &parts) && Is(parts.name, "DTSTAMP")) continue;
    for (const char c : line.text) hash = (hash ^ static_cast<unsigned char>(c)) * kFnvPrime;
  }
  char uid[64];
  std::snprintf(uid, sizeof uid, "made-%016llx%s", static_cast<unsigned long long>(hash), kUidDomain);
  return uid;
}

std::string EthiopianDate(const CalendarDate& ethiopian) {
  char date[128];
  std::snprintf(date, sizeof date, "%s %d, %d (%s %d, %d)", MonthNameIn(Ethiopian, ethiopian.month, {Language::kAmharic}),
                ethiopian.day, ethiopian.year, MonthName(Ethiopian, ethiopian.month), ethiopian.day,
                ethiopian.year);
  return date;
}

}  // namespace ics
