// Every Amharic month and weekday name, and abbreviation, against ICU's "am"
// data, which carries the Unicode CLDR's; the known differences are listed.
#include <gtest/gtest.h>
#include <unicode/dtfmtsym.h>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "core/locale/language_names.h"
#include "core/locale/translation.h"

namespace {

constexpr TextStyle kAmharic{Language::kAmharic, false};

// Where the names here are newer CLDR's than ICU 72's (CLDR 42): the name
// here, and ICU's.
const std::map<std::string, std::string> kKnownDifferences = {
    {"ጃንዋሪ", "ጃንዩወሪ"}, {"ፌብሩዋሪ", "ፌብሩወሪ"}, {"ጃን", "ጃንዩ"}, {"ፌብ", "ፌብሩ"},
};

std::string Utf8(const icu::UnicodeString& text) {
  std::string bytes;
  return text.toUTF8String(bytes);
}

// What ICU says for a name of ours: the name itself, or its known difference.
std::string AsIcuWrites(const char* ours) {
  const auto known = kKnownDifferences.find(ours);
  return known == kKnownDifferences.end() ? ours : known->second;
}

icu::DateFormatSymbols Symbols(const char* calendar) {
  UErrorCode status = U_ZERO_ERROR;
  icu::DateFormatSymbols symbols(icu::Locale("am"), calendar, status);
  EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  return symbols;
}

TEST(AmharicNames, MonthsAsIcuWritesThem) {
  const struct {
    CalendarKind kind;
    const char* calendar;
    int months;
  } kCalendars[] = {{Ethiopian, "ethiopic", 13}, {Gregorian, "gregorian", 12}};
  for (const auto& c : kCalendars) {
    const icu::DateFormatSymbols symbols = Symbols(c.calendar);
    for (const auto& [width, shortForm] : {std::pair{icu::DateFormatSymbols::WIDE, false},
                                           std::pair{icu::DateFormatSymbols::ABBREVIATED, true}}) {
      int32_t count = 0;
      const icu::UnicodeString* names = symbols.getMonths(count, icu::DateFormatSymbols::STANDALONE, width);
      ASSERT_EQ(count, c.months) << c.calendar;
      for (int month = 1; month <= count; ++month) {
        EXPECT_EQ(AsIcuWrites(MonthNameIn(c.kind, month, kAmharic, shortForm)), Utf8(names[month - 1]))
            << c.calendar << " month " << month << (shortForm ? " short" : "");
      }
    }
  }
}

// One name for each day in both calendars (the short ones are the names
// test's); ICU counts from 1 = Sunday.
TEST(AmharicNames, WeekdaysAsIcuWritesThem) {
  const icu::DateFormatSymbols symbols = Symbols("gregorian");
  int32_t count = 0;
  const icu::UnicodeString* names = symbols.getWeekdays(count, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE);
  ASSERT_EQ(count, 8);
  for (CalendarKind kind : {Ethiopian, Gregorian}) {
    for (int weekday = 0; weekday < 7; ++weekday) {
      EXPECT_EQ(WeekdayNameIn(kind, weekday, kAmharic), Utf8(names[weekday + 1])) << "weekday " << weekday;
    }
  }
}

}  // namespace

// A lookup in a language sets LANGUAGE for itself alone: the user's value,
// or its absence, is back afterwards for the programs this one starts.
TEST(Translation, LanguageRestoredAfterALookup) {
  for (const char* before : {"de:fr", "", static_cast<const char*>(nullptr)}) {
    before ? setenv("LANGUAGE", before, 1) : unsetenv("LANGUAGE");
    Tr("fast", Language::kAmharic);
    EXPECT_EQ(std::string(std::getenv("LANGUAGE") ? std::getenv("LANGUAGE") : "unset"), before ? before : "unset");
  }
}
