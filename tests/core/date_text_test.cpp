// Dates written and read as text: the fixed lines, typed dates, the console
// prompt and the format tokens.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/calendar/date_pair.h"
#include "core/language/language.h"
#include "core/locale/date_format.h"

namespace {

TEST(DateText, Format) {
  const struct {
    CalendarDate date;
    const char* text;
  } kCases[] = {
      {{2008, 11, 29, Gregorian}, " Saturday   November(11) 29, 2008"},
      {{2001, 3, 20, Ethiopian}, "   qidame       Hdar( 3) 20, 2001"},
      {{2000, 1, 1, Ethiopian}, "     irob   Meskerem( 1)  1, 2000"},
      {{1999, 13, 6, Ethiopian}, " maksagno     Pagume(13)  6, 1999"},
      {{2007, 6, 19, Gregorian}, "  Tuesday       June( 6) 19, 2007"},
  };
  for (const auto& c : kCases) EXPECT_STREQ(c.date.Format(), c.text);
  EXPECT_STREQ(CalendarDate(2009, 6, 18, Gregorian).FormatNumeric(), "2009/06/18");
  EXPECT_STREQ(CalendarDate(8, 8, 27, Gregorian).FormatNumeric(), "0008/08/27");
  EXPECT_STREQ(DatePair(2008, 11, 29, Gregorian).Format(),
               " Saturday   November(11) 29, 2008\n   qidame       Hdar( 3) 20, 2001");
}

struct ParseCase {
  const char* text;
  CalendarKind kind;
  int result;
  ReadOutcome outcome;
  int dayNumber;  // expected when the text named a day
};

// Parse starts from 2008/11/29 (day 149,353) each time.
const ParseCase kParseCases[] = {
    {"2008/2/29", Gregorian, 1, ReadOutcome::kAccepted, 149079},
    {"2007/2/29", Gregorian, 0, ReadOutcome::kPastMonthEnd, 148714},  // counts as 1 March 2007
    {" 2007/06/19", Gregorian, 1, ReadOutcome::kAccepted, 148824},
    {"2007/6/ 19", Gregorian, 1, ReadOutcome::kAccepted, 148824},
    {"1999/13/6", Ethiopian, 1, ReadOutcome::kAccepted, 148908},
    {"2000/13/6", Ethiopian, 0, ReadOutcome::kPastMonthEnd, 149274},
    {"2007", Gregorian, 1, ReadOutcome::kAccepted, 148987},           // 29 November 2007
    {"2008/3/0", Gregorian, 1, ReadOutcome::kAccepted, 149079},       // a day of 0 counts back
    {"", Gregorian, 0, ReadOutcome::kNoDate, 149353},
    {"abc", Gregorian, 0, ReadOutcome::kNoDate, 149353},
    {"2008/13/1", Gregorian, 0, ReadOutcome::kNoDate, 149353},
    {"2008/14/1", Ethiopian, 0, ReadOutcome::kNoDate, 149353},
    {"2008/0/1", Ethiopian, 0, ReadOutcome::kNoDate, 149353},
    {"0/1/1", Gregorian, 0, ReadOutcome::kNoDate, 149353},
    {"10000/1/1", Ethiopian, 0, ReadOutcome::kNoDate, 149353},
    {"8/8/26", Gregorian, 0, ReadOutcome::kNoDate, 149353},         // a day before the span
    {"9999/13/7", Ethiopian, 0, ReadOutcome::kNoDate, 149353},      // a day after it
    {"99999999999999999999/1/1", Gregorian, 0, ReadOutcome::kNoDate, 149353},
    {"2008/4294967297/1", Gregorian, 0, ReadOutcome::kNoDate, 149353},
    {"2008/1/300", Gregorian, 0, ReadOutcome::kNoDate, 149353},      // no 8-bit day
    {"67536/1/1", Gregorian, 0, ReadOutcome::kNoDate, 149353},       // no 16-bit year: not 2000
    {"-2008/1/1", Gregorian, 0, ReadOutcome::kNoDate, 149353},
};

TEST(DateText, Parse) {
  for (const ParseCase& c : kParseCases) {
    SCOPED_TRACE(c.text);
    CalendarDate date(2008, 11, 29, Gregorian);
    CalendarDate copy = date;
    EXPECT_EQ(copy.Parse(c.text, c.kind), c.result);
    EXPECT_EQ(date.ParseText(c.text, c.kind), c.outcome);
    EXPECT_EQ(date.dayNumber, c.dayNumber);
    if (c.outcome == ReadOutcome::kNoDate) {
      EXPECT_TRUE(date.SameDay(CalendarDate(2008, 11, 29, Gregorian)));
    }
  }
  CalendarDate past(2008, 11, 29, Gregorian);
  past.Parse("2007/2/29", Gregorian);
  EXPECT_EQ(past.month, 2);  // the fields stay as typed
  EXPECT_EQ(past.day, 29);
}

TEST(DateText, PairParseReportsWhetherTheTextNamedADay) {
  DatePair typed;
  EXPECT_FALSE(typed.Parse("letters", Gregorian));
  EXPECT_FALSE(typed.Parse("2007", Gregorian));  // a fresh pair has no month to keep
  EXPECT_FALSE(typed.Parse(nullptr, Gregorian));
  EXPECT_TRUE(typed.Parse("2007/2/30", Gregorian));
  // 30 February 2007 counts as 2 March in both readings, which then step together.
  EXPECT_TRUE(typed.SameDay(DatePair(2007, 3, 2, Gregorian)));
  typed.PrevDay();
  EXPECT_TRUE(typed.SameDay(DatePair(2007, 3, 1, Gregorian)));
  EXPECT_TRUE(typed.Parse("2001/4/0", Ethiopian));
  EXPECT_TRUE(typed.SameDay(DatePair(2001, 3, 30, Ethiopian)));
}

std::string Console(const char* input, CalendarDate& date, int& result) {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  std::fputs(input, in);
  std::rewind(in);
  result = date.ReadFromConsole(in, out);
  std::rewind(out);
  char text[128] = {};
  const std::size_t length = std::fread(text, 1, sizeof text - 1, out);
  std::fclose(in);
  std::fclose(out);
  return std::string(text, length);
}

TEST(DateText, ReadFromConsole) {
  const struct {
    const char* input;
    int result;
    int dayNumber;
  } kCases[] = {
      {"1 1999 13 6\n", 1, 148908}, {"0\n2007\n6\n19", 1, 148824}, {"2 2007 6 19", 0, 149353},
      {"-1 2007 6 19", 0, 149353},  {"1 2000 13 6", 0, 149274},     {"0 2007 14 1", 0, 149353},
      {"x", 0, 149353},             {"1", 0, 149353},              {"1 2000\n", 0, 149353},
  };
  for (const auto& c : kCases) {
    CalendarDate date(2008, 11, 29, Gregorian);
    int result = -1;
    const std::string prompt = Console(c.input, date, result);
    EXPECT_EQ(result, c.result) << c.input;
    EXPECT_EQ(date.dayNumber, c.dayNumber) << c.input;
    EXPECT_EQ(prompt.rfind("Gregorian=0, Ethiopian=1> ", 0), 0u);
    // Only a day past its month's end is reported, on the stream given.
    EXPECT_EQ(prompt.find("Input error!\n") != std::string::npos, std::string(c.input) == "1 2000 13 6") << c.input;
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
      {meskerem5, Ethiopian, latin, false, 0, "[%e] %j %b %a%n%t%%", "[ 5] 005 Mes sag\n\t%"},
      {meskerem5, Ethiopian, latin, false, 0, "%F|%D|%y|%-d|%-m|%-e|%-j", "2001-01-05|01/05/01|01|5|1|5|5"},
      {meskerem5, Gregorian, latin, false, 0, "%F %D %-d/%-m", "2008-09-15 09/15/08 15/9"},
      {december8, Ethiopian, amharic, false, 0, "%a %b", "ማክሰ ኅዳር"},  // CLDR: no shorter Ethiopic month
      {december8, Ethiopian, geez, false, 0, "%F %-d %y", "፳፻፲፱-03-፳፱ ፳፱ 19"},
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

TEST(FormatMoment, NamesTheTokenItDoesNotKnow) {
  const struct {
    const char* format;
    bool hasTime;
    const char* bad;
  } cases[] = {{"%Y %q", true, "%q"}, {"%H", false, "%H"}, {"ends in %", true, "%"}, {"%z", true, "%z"},
               {"%-q", true, "%-q"}, {"ends in %-", true, "%-"}, {"%-%", true, "%-%"}, {"%-n", true, "%-n"}};
  for (const auto& c : cases) {
    Moment moment{DatePair(2001, 1, 1, Ethiopian), Ethiopian, {}, c.hasTime};
    std::string text, bad;
    EXPECT_FALSE(FormatMoment(c.format, moment, text, bad)) << c.format;
    EXPECT_EQ(bad, c.bad) << c.format;
  }
}

}  // namespace
