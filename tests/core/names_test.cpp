// The months' and weekdays' names in every script.
#include <gtest/gtest.h>

#include <unicode/udat.h>
#include <unicode/ustring.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "core/calendar/date_names.h"
#include "core/language/language.h"
#include "core/locale/language_names.h"

namespace {

// Every name in every script. The Latin forms and the English ones are the
// program's own texts; the Ethiopic ones follow the Amharic Wikipedia's list
// of the months (am.wikipedia.org, "መስከረም") and of the weekdays, in the
// simplified modern spelling that list does not use for three months:
// ህዳር (ኅዳር), ታህሳስ (ታኅሣሥ), ሚያዚያ (ሚያዝያ).
TEST(DateNames, EveryNameInEveryScript) {
  const char* const kEthiopianMonths[13][2] = {
      {"Meskerem", "መስከረም"}, {"Tkmt", "ጥቅምት"}, {"Hdar", "ህዳር"},     {"Tahsas", "ታህሳስ"}, {"Tr", "ጥር"},
      {"Yakatit", "የካቲት"},   {"Megabit", "መጋቢት"}, {"Miazya", "ሚያዚያ"}, {"Gnbot", "ግንቦት"},  {"Sene", "ሰኔ"},
      {"Hamle", "ሐምሌ"},      {"Nehase", "ነሐሴ"},   {"Pagume", "ጳጉሜ"},
  };
  const char* const kGregorianMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
  const char* const kWeekdays[7][4] = {
      {"Sunday", "Sun", "ihud", "አሑድ"},      {"Monday", "Mon", "sagno", "ስኞ"},    {"Tuesday", "Tue", "maksagno", "ማክስኞ"},
      {"Wednesday", "Wed", "irob", "ረቡዕ"}, {"Thursday", "Thu", "hamus", "ሐሙስ"}, {"Friday", "Fri", "arb", "ዓርብ"},
      {"Saturday", "Sat", "qidame", "ቅዳሜ"},
  };
  for (int m = 1; m <= 13; ++m) {
    EXPECT_STREQ(MonthName(Ethiopian, m), kEthiopianMonths[m - 1][0]);
    EXPECT_STREQ(ExportMonthName(Ethiopian, m, 0), kEthiopianMonths[m - 1][0]);
    EXPECT_STREQ(ExportMonthName(Ethiopian, m, 1), kEthiopianMonths[m - 1][1]);
  }
  for (int m = 1; m <= 12; ++m) {
    EXPECT_STREQ(MonthName(Gregorian, m), kGregorianMonths[m - 1]);
    EXPECT_STREQ(ExportMonthName(Gregorian, m, 1), kGregorianMonths[m - 1]);
  }
  for (int w = 0; w < 7; ++w) {
    EXPECT_STREQ(WeekdayName(Gregorian, w), kWeekdays[w][0]);
    EXPECT_STREQ(WeekdayHeadingName(Gregorian, w), kWeekdays[w][1]);
    EXPECT_STREQ(ExportWeekdayName(Gregorian, w, 1), kWeekdays[w][1]);
    EXPECT_STREQ(WeekdayName(Ethiopian, w), kWeekdays[w][2]);
    EXPECT_STREQ(WeekdayHeadingName(Ethiopian, w), kWeekdays[w][2]);
    EXPECT_STREQ(ExportWeekdayName(Ethiopian, w, 0), kWeekdays[w][2]);
    EXPECT_STREQ(ExportWeekdayName(Ethiopian, w, 1), kWeekdays[w][3]);
  }
  EXPECT_STREQ(kMonthNames[12], "");  // no 13th Gregorian month
}

}  // namespace

// A locale speaks the language its language part names, whatever territory,
// character set or modifier follows; the first of the three variables set
// decides.
TEST(LocaleLanguage, ReadsTheLanguagePartOfTheFirstVariableSet) {
  const struct {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language language;
  } cases[] = {
      {"", "", "am", Language::kAmharic},
      {"", "", "am_ET", Language::kAmharic},
      {"", "", "am_ET.UTF-8", Language::kAmharic},
      {"", "", "am_ET@calendar", Language::kAmharic},
      {"", "", "am.UTF-8", Language::kAmharic},
      {"", "", "ami_TW.UTF-8", Language::kEnglish},  // Amis, not Amharic
      {"", "", "amh", Language::kEnglish},
      {"", "", "a", Language::kEnglish},
      {"", "", "en_US.UTF-8", Language::kEnglish},
      {"", "", "", Language::kEnglish},
      {"C.UTF-8", "", "am_ET.UTF-8", Language::kEnglish},
      {"", "am_ET.UTF-8", "en_US.UTF-8", Language::kAmharic},
      {"am_ET.UTF-8", "en_GB.UTF-8", "", Language::kAmharic},
  };
  for (const auto& c : cases) {
    setenv("LC_ALL", c.lcAll, 1);
    setenv("LC_MESSAGES", c.lcMessages, 1);
    setenv("LANG", c.lang, 1);
    EXPECT_EQ(LocaleLanguage(), c.language) << c.lcAll << " / " << c.lcMessages << " / " << c.lang;
  }
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
}

namespace {

// The abbreviated weekdays that %a writes, in English and in Amharic, as
// ICU's CLDR data has them (the weekdays are one in both calendars).
TEST(DateNames, ShortWeekdaysAsCldrHasThem) {
  for (Language language : {Language::kEnglish, Language::kAmharic}) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UDateFormat, decltype(&udat_close)> format(
        udat_open(UDAT_NONE, UDAT_NONE, LanguageCode(language), u"UTC", -1, u"EEE", -1, &status), udat_close);
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    const TextStyle style{language, false};
    for (int weekday = 0; weekday < 7; ++weekday) {
      UChar name[32];
      char utf8[64];
      const int32_t length = udat_getSymbols(format.get(), UDAT_SHORT_WEEKDAYS, weekday + 1, name, 32, &status);
      u_strToUTF8(utf8, sizeof utf8, nullptr, name, length, &status);
      ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
      EXPECT_STREQ(WeekdayNameIn(Gregorian, weekday, style, true), utf8) << LanguageCode(language) << weekday;
      if (language == Language::kAmharic) {
        EXPECT_STREQ(WeekdayNameIn(Ethiopian, weekday, style, true), utf8) << weekday;
      }
    }
  }
}

}  // namespace
