// Ge'ez numerals, the Ethiopian hours and the date formats.
#include <gtest/gtest.h>

#include <cstdlib>

#include "language/language.h"
#include "locale/date_format.h"
#include "locale/ethiopian_time.h"
#include "numerals/geez_numerals.h"

namespace {

TEST(GeezNumeral, WritesPairsWithTheirMarks) {
  const struct {
    long long number;
    const char* geez;
  } cases[] = {
      {1, "፩"},        {9, "፱"},          {10, "፲"},         {11, "፲፩"},          {29, "፳፱"},
      {99, "፺፱"},      {100, "፻"},        {101, "፻፩"},       {110, "፻፲"},         {200, "፪፻"},
      {999, "፱፻፺፱"},   {1000, "፲፻"},      {1001, "፲፻፩"},     {2019, "፳፻፲፱"},      {9999, "፺፱፻፺፱"},
      {10000, "፼"},    {10001, "፼፩"},     {10100, "፼፻"},     {20000, "፪፼"},       {123456, "፲፪፼፴፬፻፶፮"},
      {1000000, "፻፼"}, {2000000, "፪፻፼"},  {1010000, "፻፩፼"},  {99999999, "፺፱፻፺፱፼፺፱፻፺፱"},
  };
  for (const auto& c : cases) EXPECT_EQ(GeezNumeral(c.number), c.geez) << c.number;
}

TEST(EthiopianTime, CountsFromSixWithThePartOfTheDay) {
  const struct {
    int western, hour;
    DayPart part;
  } cases[] = {
      {0, 6, DayPart::kNight},      {5, 11, DayPart::kNight},     {6, 12, DayPart::kMorning},
      {7, 1, DayPart::kMorning},    {11, 5, DayPart::kMorning},   {12, 6, DayPart::kAfternoon},
      {17, 11, DayPart::kAfternoon}, {18, 12, DayPart::kEvening}, {23, 5, DayPart::kEvening},
  };
  for (const auto& c : cases) {
    const EthiopianTime said = EthiopianTimeOf(c.western);
    EXPECT_EQ(said.hour, c.hour) << c.western;
    EXPECT_EQ(said.part, c.part) << c.western;
  }
}

TEST(FormatMoment, WritesEveryTokenInEitherCalendarAndScript) {
  const DatePair december8(2026, 12, 8, Gregorian);  // Hdar 29, 2019, a Tuesday
  const DatePair meskerem5(2001, 1, 5, Ethiopian);   // 15 September 2008, a Monday
  const TextStyle latin, amharic{Language::kAmharic, false}, geez{Language::kEnglish, true};
  const struct {
    DatePair day;
    CalendarKind kind;
    TextStyle style;
    bool hasTime;
    int hour;
    const char* format;
    const char* text;
  } cases[] = {
      {december8, Ethiopian, latin, false, 0, "%Y/%m/%d %B", "2019/03/29 Hdar"},
      {december8, Gregorian, latin, false, 0, "%Y-%m-%d %b %a %A %j", "2026-12-08 Dec Tue Tuesday 342"},
      {meskerem5, Ethiopian, latin, false, 0, "[%e] %j %b %a%n%t%%", "[ 5] 005 Meskerem sagno\n\t%"},
      {meskerem5, Gregorian, latin, false, 0, "%e %B", "15 September"},
      {december8, Ethiopian, amharic, false, 0, "%A %d %B %Y", "ማክሰኞ 29 ኅዳር 2019"},
      {december8, Gregorian, amharic, false, 0, "%B %b", "ዲሴምበር ዲሴም"},
      {december8, Ethiopian, geez, false, 0, "%d/%m/%Y", "፳፱/03/፳፻፲፱"},
      {meskerem5, Ethiopian, geez, false, 0, "[%e]", "[፭]"},
      {december8, Gregorian, geez, false, 0, "%d %Y", "08 2026"},  // Gregorian dates keep their digits
      {december8, Ethiopian, latin, true, 7, "%H:%M:%S %p", "01:04:09 morning"},
      {december8, Ethiopian, amharic, true, 20, "%H %p", "02 ማታ"},
      {december8, Ethiopian, geez, true, 5, "%H:%M", "፲፩:04"},  // the minutes have no Ge'ez form for 04
  };
  for (const auto& c : cases) {
    Moment moment{c.day, c.kind, c.style, c.hasTime, c.hour, 4, 9};
    std::string text, bad;
    EXPECT_TRUE(FormatMoment(c.format, moment, text, bad)) << c.format;
    EXPECT_EQ(text, c.text) << c.format;
  }
}

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

TEST(FormatMoment, NamesTheTokenItDoesNotKnow) {
  const struct {
    const char* format;
    bool hasTime;
    const char* bad;
  } cases[] = {{"%Y %q", true, "%q"}, {"%H", false, "%H"}, {"ends in %", true, "%"}, {"%z", true, "%z"}};
  for (const auto& c : cases) {
    Moment moment{DatePair(2001, 1, 1, Ethiopian), Ethiopian, {}, c.hasTime};
    std::string text, bad;
    EXPECT_FALSE(FormatMoment(c.format, moment, text, bad)) << c.format;
    EXPECT_EQ(bad, c.bad) << c.format;
  }
}

}  // namespace
