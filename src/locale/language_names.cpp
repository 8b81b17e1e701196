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

}  // namespace

const char* MonthNameIn(CalendarKind kind, int month, TextStyle style, bool shortForm) {
  if (kind == Ethiopian) return style.language == Language::kAmharic ? kExportMonthEthiopic[month - 1] : MonthName(kind, month);
  if (style.language == Language::kAmharic) return (shortForm ? kAmharicGregorianMonthsShort : kAmharicGregorianMonths)[month - 1];
  return shortForm ? kLatinGregorianMonthsShort[month - 1] : MonthName(kind, month);
}

const char* WeekdayNameIn(CalendarKind kind, int weekday, TextStyle style, bool shortForm) {
  // The days of the week are the same days in both calendars; in Amharic
  // they have one name.
  if (style.language == Language::kAmharic) return kExportWeekdayEthiopic[weekday];
  if (kind == Gregorian && shortForm) return kExportWeekdayShort[weekday];
  return WeekdayName(kind, weekday);
}

std::string NumberIn(long long number, TextStyle style) {
  return style.geez ? GeezNumeral(number) : std::to_string(number);
}
