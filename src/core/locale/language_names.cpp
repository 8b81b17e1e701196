#include "core/locale/language_names.h"

#include "core/calendar/date_names.h"
#include "core/numerals/geez_numerals.h"

namespace {

const char* const kLatinGregorianMonthsShort[12] = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
};
// The Latin names of the Ethiopian months and weekdays cut to their first
// three letters, as the Gregorian ones are.
const char* const kLatinEthiopianMonthsShort[13] = {
    "Mes", "Tkm", "Hda", "Tah", "Tr", "Yak", "Meg", "Mia", "Gnb", "Sen", "Ham", "Neh", "Pag",
};
const char* const kLatinEthiopianWeekdaysShort[7] = {"ihu", "sag", "mak", "iro", "ham", "arb", "qid"};

// Indexed by Language; English has the core's names.
const NamesTable* const kTables[kLanguages] = {nullptr, &kAmharicNames};

}  // namespace

const NamesTable* NamesOf(Language language) { return kTables[static_cast<int>(language)]; }

const char* MonthNameIn(CalendarKind kind, int month, TextStyle style, bool shortForm) {
  if (const NamesTable* names = NamesOf(style.language)) {
    if (kind == Ethiopian) return names->ethiopianMonths[month - 1];
    return (shortForm ? names->gregorianMonthsShort : names->gregorianMonths)[month - 1];
  }
  if (!shortForm) return MonthName(kind, month);
  return kind == Gregorian ? kLatinGregorianMonthsShort[month - 1] : kLatinEthiopianMonthsShort[month - 1];
}

const char* WeekdayNameIn(CalendarKind kind, int weekday, TextStyle style, bool shortForm) {
  // The days of the week are the same days in both calendars; a language
  // other than English has one name for each.
  if (const NamesTable* names = NamesOf(style.language)) return (shortForm ? names->weekdaysShort : names->weekdays)[weekday];
  if (shortForm) return kind == Gregorian ? kExportWeekdayShort[weekday] : kLatinEthiopianWeekdaysShort[weekday];
  return WeekdayName(kind, weekday);
}

std::string NumberIn(long long number, TextStyle style) {
  return style.geez ? GeezNumeral(number) : std::to_string(number);
}
