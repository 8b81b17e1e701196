#include "locale/language_names.h"

#include "calendar/date_names.h"
#include "numerals/geez_numerals.h"

namespace {

// The Amharic names of the Gregorian months, wide and abbreviated, from the
// Unicode CLDR, common/main/am.xml, calendar "gregorian", months, format
// context (github.com/unicode-org/cldr). Where CLDR inherits the abbreviation
// ("↑↑↑": March, May, June, July) it is the wide name. CLDR 42, as ICU 72
// carries it, spelled January and February ጃንዩወሪ and ፌብሩወሪ and
// abbreviated them ጃንዩ and ፌብሩ; the current ones are used here.
const char* const kAmharicGregorianMonths[12] = {
    "ጃንዋሪ", "ፌብሩዋሪ", "ማርች", "ኤፕሪል", "ሜይ", "ጁን", "ጁላይ", "ኦገስት", "ሴፕቴምበር", "ኦክቶበር", "ኖቬምበር", "ዲሴምበር",
};
const char* const kAmharicGregorianMonthsShort[12] = {
    "ጃን", "ፌብ", "ማርች", "ኤፕሪ", "ሜይ", "ጁን", "ጁላይ", "ኦገስ", "ሴፕቴ", "ኦክቶ", "ኖቬም", "ዲሴም",
};
const char* const kLatinGregorianMonthsShort[12] = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
};
// The abbreviated weekdays of the same file, "days", format context (ICU 72
// carries the same): the Amharic weekdays of both calendars.
const char* const kAmharicWeekdaysShort[7] = {"እሑድ", "ሰኞ", "ማክሰ", "ረቡዕ", "ሐሙስ", "ዓርብ", "ቅዳሜ"};
// The Latin names of the Ethiopian months and weekdays cut to their first
// three letters, as the Gregorian ones are; CLDR's Amharic Ethiopic months
// (calendar "ethiopic") abbreviate to their wide names, so those stay whole.
const char* const kLatinEthiopianMonthsShort[13] = {
    "Mes", "Tkm", "Hda", "Tah", "Tr", "Yak", "Meg", "Mia", "Gnb", "Sen", "Ham", "Neh", "Pag",
};
const char* const kLatinEthiopianWeekdaysShort[7] = {"ihu", "sag", "mak", "iro", "ham", "arb", "qid"};

}  // namespace

const char* MonthNameIn(CalendarKind kind, int month, TextStyle style, bool shortForm) {
  const bool amharic = style.language == Language::kAmharic;
  if (kind == Ethiopian && amharic) return kExportMonthEthiopic[month - 1];
  if (kind == Ethiopian) return shortForm ? kLatinEthiopianMonthsShort[month - 1] : MonthName(kind, month);
  if (amharic) return (shortForm ? kAmharicGregorianMonthsShort : kAmharicGregorianMonths)[month - 1];
  return shortForm ? kLatinGregorianMonthsShort[month - 1] : MonthName(kind, month);
}

const char* WeekdayNameIn(CalendarKind kind, int weekday, TextStyle style, bool shortForm) {
  // The days of the week are the same days in both calendars; in Amharic
  // they have one name.
  if (style.language == Language::kAmharic) {
    return shortForm ? kAmharicWeekdaysShort[weekday] : kExportWeekdayEthiopic[weekday];
  }
  if (shortForm) return kind == Gregorian ? kExportWeekdayShort[weekday] : kLatinEthiopianWeekdaysShort[weekday];
  return WeekdayName(kind, weekday);
}

std::string NumberIn(long long number, TextStyle style) {
  return style.geez ? GeezNumeral(number) : std::to_string(number);
}
