// The user's days' rules that libical does not check: the memorial's
// commemorations, the next occurrence, the text of the file and where it lives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar/calendar_date.h"
#include "core/days/day_store.h"
#include "core/days/listing.h"
#include "core/days/memorial.h"
#include "core/days/occurrences.h"
#include "core/ical/content_line.h"
#include "core/ical/text_rule.h"

namespace {

int32_t Eth(int y, int m, int d) { return CalendarDate(y, m, d, Ethiopian).dayNumber; }
int32_t Greg(int y, int m, int d) { return CalendarDate(y, m, d, Gregorian).dayNumber; }

// Each passing with its commemorations' dates worked out by hand from the
// counting the sources give (the day of passing is the first day).
struct MemorialRow {
  int32_t passing;
  std::vector<int32_t> dates;  // passing, 7th, 40th, 80th, half year, first year
};

TEST(Memorial, TheFirstYearsDays) {
  const MemorialRow rows[] = {
      {Eth(2017, 5, 1),
       {Eth(2017, 5, 1), Eth(2017, 5, 7), Eth(2017, 6, 10), Eth(2017, 7, 20), Eth(2017, 11, 1), Eth(2018, 5, 1)}},
      // Pagume 6: the first year falls on Pagume 5, the half year in Yekatit.
      {Eth(2019, 13, 6),
       {Eth(2019, 13, 6), Eth(2020, 1, 6), Eth(2020, 2, 9), Eth(2020, 3, 19), Eth(2020, 6, 6), Eth(2020, 13, 5)}},
      // Yekatit 10: the half year is Nehase 10 of the same year, the twelfth month.
      {Eth(2017, 6, 10),
       {Eth(2017, 6, 10), Eth(2017, 6, 16), Eth(2017, 7, 19), Eth(2017, 8, 29), Eth(2017, 12, 10), Eth(2018, 6, 10)}},
      // Nehase 30: the counting runs through Pagume's five days.
      {Eth(2016, 12, 30),
       {Eth(2016, 12, 30), Eth(2017, 1, 1), Eth(2017, 2, 4), Eth(2017, 3, 14), Eth(2017, 6, 30), Eth(2017, 12, 30)}},
  };
  for (const MemorialRow& row : rows) {
    std::vector<int32_t> dates;
    std::vector<Commemoration> which;
    for (const MemorialDate& date : FirstYearOfMemorial(row.passing)) {
      dates.push_back(date.day);
      which.push_back(date.which);
    }
    EXPECT_EQ(dates, row.dates) << row.passing;
    EXPECT_EQ(which.front(), Commemoration::kPassing);
    EXPECT_EQ(which.back(), Commemoration::kFirstYear);
  }
  for (int which = 1; which <= static_cast<int>(Commemoration::kYearly); ++which) {
    EXPECT_STRNE(CommemorationName(static_cast<Commemoration>(which)).amharic, "") << which;
  }
}

TEST(Memorial, AfterTheFirstYearEveryEthiopianYear) {
  UserDay day;
  day.repeat = Repeat::kMemorial;
  day.start = Eth(2017, 5, 1);
  const std::vector<Occurrence> found = OccurrencesBetween({day}, Eth(2018, 1, 1), Eth(2020, 13, 5));
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].memorial, static_cast<int>(Commemoration::kFirstYear));
  EXPECT_EQ(found[2].day, Eth(2020, 5, 1));
  EXPECT_EQ(found[2].memorial, static_cast<int>(Commemoration::kYearly));
}

struct NextRow {
  Repeat repeat;
  int32_t start, from;
  int32_t expected;  // 0: never again
};

TEST(Occurrences, TheNextOne) {
  const NextRow rows[] = {
      {Repeat::kOnce, Greg(2026, 12, 8), Greg(2026, 12, 8), Greg(2026, 12, 8)},
      {Repeat::kOnce, Greg(2026, 12, 8), Greg(2026, 12, 9), 0},
      {Repeat::kEthiopianYear, Eth(2019, 13, 6), Eth(2020, 1, 1), Eth(2020, 13, 5)},
      {Repeat::kEthiopianYear, Eth(2019, 3, 29), Greg(2026, 1, 1), Greg(2026, 12, 8)},
      {Repeat::kEthiopianMonth, Eth(2017, 1, 30), Eth(2017, 13, 1), Eth(2018, 1, 30)},
      {Repeat::kEthiopianMonth, Eth(2019, 13, 6), Eth(2020, 12, 7), Eth(2021, 1, 6)},
      {Repeat::kGregorianYear, Greg(2096, 2, 29), Greg(2096, 3, 1), Greg(2104, 2, 29)},
      {Repeat::kGregorianYear, Greg(2024, 5, 1), Greg(2020, 1, 1), Greg(2024, 5, 1)},
      {Repeat::kEthiopianYear, Eth(9999, 1, 1), Eth(9999, 1, 2), 0},  // past the last year reckoned
  };
  for (const NextRow& row : rows) {
    UserDay day;
    day.repeat = row.repeat;
    day.start = row.start;
    const std::optional<Occurrence> next = NextOccurrence(day, row.from);
    EXPECT_EQ(next ? next->day : 0, row.expected) << static_cast<int>(row.repeat) << " from " << row.start;
  }
}

TEST(Occurrences, SortedByDayThenIndex) {
  std::vector<UserDay> days(3);
  days[0].start = Eth(2019, 3, 2);
  days[0].repeat = Repeat::kEthiopianMonth;
  days[1].start = Eth(2019, 3, 1);
  days[1].repeat = Repeat::kEthiopianMonth;
  days[2].start = Eth(2019, 3, 2);
  const std::vector<Occurrence> found = OccurrencesBetween(days, Eth(2019, 3, 1), Eth(2019, 4, 2));
  std::vector<std::pair<int32_t, size_t>> order;
  for (const Occurrence& o : found) order.emplace_back(o.day, o.index);
  const std::vector<std::pair<int32_t, size_t>> expected = {
      {Eth(2019, 3, 1), 1}, {Eth(2019, 3, 2), 0}, {Eth(2019, 3, 2), 2}, {Eth(2019, 4, 1), 1}, {Eth(2019, 4, 2), 0}};
  EXPECT_EQ(order, expected);
}

// Every list of the days: the soonest first, then the days gone for good,
// the latest first; one date in the file's order.
TEST(Occurrences, ListedNearestTodayFirst) {
  const std::pair<Repeat, int32_t> kDays[] = {
      {Repeat::kOnce, Greg(2000, 1, 1)},         {Repeat::kGregorianYear, Greg(1990, 1, 6)},
      {Repeat::kOnce, Greg(2026, 12, 1)},        {Repeat::kOnce, Greg(2026, 12, 8)},
      {Repeat::kEthiopianYear, Eth(2018, 3, 29)},  // Hdar 29 comes again on 8 December 2026
  };
  std::vector<UserDay> days;
  for (const auto& [repeat, start] : kDays) days.push_back({"", "", "", start, repeat, {}, {}});
  std::vector<std::size_t> order;
  for (const ListedDay& listed : DaysInListOrder(days, Greg(2026, 12, 8))) order.push_back(listed.index);
  EXPECT_EQ(order, (std::vector<std::size_t>{3, 4, 1, 2, 0}));
}

// Texts as they come back through the file's escaping and folding: whole,
// but for the control characters TEXT cannot hold.
struct TextRow {
  std::string written, read;
};

TEST(DaysText, NamesAndNotesComeBackWhole) {
  const TextRow rows[] = {
      {"Birthday, mine; the \\ best", "Birthday, mine; the \\ best"},
      {"Line one\nLine two\n", "Line one\nLine two\n"},
      {"የአባቴ የሙት ዓመት መታሰቢያ በቅድስት ማርያም ቤተ ክርስቲያን ከቤተሰብ ጋር በጸሎትና በፍትሐት",  // folded inside Ethiopic
       "የአባቴ የሙት ዓመት መታሰቢያ በቅድስት ማርያም ቤተ ክርስቲያን ከቤተሰብ ጋር በጸሎትና በፍትሐት"},
      {std::string(200, 'x'), std::string(200, 'x')},
      {"CRLF\r\nCR\rtab\tbell\aend", "CRLF\nCR\ntab\tbellend"},
      {std::string("NUL\0cut", 7) + "\x7f", "NULcut"},
  };
  DaysFile file;
  for (const TextRow& row : rows) {
    UserDay day;
    day.uid = NewUid();
    day.name = row.written;
    day.note = row.written;
    day.start = Eth(2019, 1, 1);
    file.days.push_back(day);
  }
  std::string written, why;
  ASSERT_TRUE(WriteDaysFile(file, &written, &why)) << why;
  constexpr size_t kMostOctets = 75;
  for (size_t from = 0, end; (end = written.find("\r\n", from)) != std::string::npos; from = end + 2) {
    EXPECT_LE(end - from, kMostOctets) << written.substr(from, end - from);
  }
  std::vector<UserDay> read;
  std::vector<StoreError> errors;
  ASSERT_TRUE(ReadDays(written, &read, &errors));
  // Text that is not UTF-8 would make a file that cannot be read again: refused with its place.
  file.days.back().note = "ok\xC3\x28";
  EXPECT_FALSE(WriteDaysFile(file, &written, &why));
  EXPECT_EQ(why, "the note's byte 3 is not UTF-8");
  ASSERT_EQ(read.size(), file.days.size());
  for (size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].name, rows[i].read);
    EXPECT_EQ(read[i].note, rows[i].read);
    EXPECT_EQ(read[i].uid, file.days[i].uid);
  }
}

TEST(DaysText, AFileFromAnotherProgramIsReadAsWritten) {
  // LF line ends, lower-case names, a tab-folded line, no UID, a plain yearly
  // rule, and one Zelmora will not take as its own (Pagume 6 without SKIP).
  const std::string text =
      "BEGIN:VCALENDAR\nBEGIN:VEVENT\ndtstart;value=date:20240229\nrrule:freq=yearly\nsummary:Leap\n\t day\n"
      "END:VEVENT\nBEGIN:VEVENT\nUID:p6\nDTSTART;VALUE=DATE:20270911\nRRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\n"
      "SUMMARY:Every fourth year\nEND:VEVENT\nBEGIN:VEVENT\nUID:\nDTSTART;VALUE=DATE:20261208\nSUMMARY:Empty UID\n"
      "END:VEVENT\nEND:VCALENDAR\n";
  std::vector<UserDay> days, again;
  std::vector<StoreError> errors;
  ASSERT_TRUE(ReadDays(text, &days, &errors));
  ASSERT_EQ(days.size(), 2u);
  EXPECT_FALSE(days[1].uid.empty());  // or no save could write the file again
  EXPECT_EQ(days[0].name, "Leap day");  // the fold takes its tab only
  EXPECT_EQ(days[0].repeat, Repeat::kGregorianYear);
  EXPECT_EQ(days[0].start, Greg(2024, 2, 29));
  ASSERT_TRUE(ReadDays(text, &again, &errors));
  EXPECT_EQ(days[0].uid, again[0].uid);  // the same each time it is read
  EXPECT_EQ(days[1].uid, again[1].uid);
}

// Each event another program may write, taken as a day or left out with
// its cause; Zelmora's own export of every date (its PRODID, UIDs dated by
// their DTSTART) is left out too, and a to-do is counted beside the events.
struct ForeignRow {
  const char* lines;  // after BEGIN:VEVENT
  Repeat repeat;  // when taken, else the cause it is left out for
  LeftOutCause cause;
  bool taken;
};
const ForeignRow kForeignRows[] = {
    {"dtstart;value=date:20261208\nrrule:rscale=ethiopic;freq=yearly\n", Repeat::kEthiopianYear, {}, true},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:FREQ=YEARLY;INTERVAL=1\n", Repeat::kGregorianYear, {}, true},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:FREQ=WEEKLY\n", {}, LeftOutCause::kWeekly, false},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:RSCALE=ETHIOPIC;FREQ=YEARLY;INTERVAL=2\n", {}, LeftOutCause::kInterval, false},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:FREQ=YEARLY;COUNT=3\n", {}, LeftOutCause::kCount, false},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:FREQ=YEARLY;UNTIL=20300101\n", {}, LeftOutCause::kUntil, false},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:FREQ=YEARLY;BYMONTH=12\n", {}, LeftOutCause::kChosenDays, false},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:FREQ=MONTHLY\n", {}, LeftOutCause::kGregorianMonthly, false},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:FREQ=DAILY\n", {}, LeftOutCause::kDaily, false},
    {"DTSTART;VALUE=DATE:20261208\nRRULE:RSCALE=HEBREW;FREQ=YEARLY\n", {}, LeftOutCause::kOtherScale, false},
    {"DTSTART:20261208T100000Z\n", {}, LeftOutCause::kTimeOfDay, false},
    {"DTSTART;VALUE=DATE:20261208\nDTEND;VALUE=DATE:20261211\n", {}, LeftOutCause::kSeveralDays, false},
    {"DTSTART;VALUE=DATE:20261208\nEXDATE;VALUE=DATE:20271208\n", {}, LeftOutCause::kChangedDates, false},
    {"SUMMARY:No start\n", {}, LeftOutCause::kNoStart, false},
    {"UID:20261208-a@zelmora.example.org\nDTSTART;VALUE=DATE:20261208\n", {}, LeftOutCause::kOccurrence, false},
};

TEST(DaysText, EachForeignEventIsTakenOrLeftOutWithItsCause) {
  std::string text = "\xEF\xBB\xBF" "BEGIN:VCALENDAR\nPRODID:-//Zelmora//Zelmora 1.0//EN\n";
  for (const ForeignRow& row : kForeignRows) text += std::string("BEGIN:VEVENT\n") + row.lines + "END:VEVENT\n";
  text += "BEGIN:VTODO\nSUMMARY:Candles\nEND:VTODO\nEND:VCALENDAR\n";
  DaysFile file;
  std::vector<StoreError> errors;
  ASSERT_TRUE(ReadDaysFile(text, &file, &errors, Reading::kImport)) << errors.at(0).what;
  size_t day = 0, left = 0;
  for (const ForeignRow& row : kForeignRows) {
    if (row.taken) {
      EXPECT_EQ(file.days.at(day++).repeat, row.repeat) << row.lines;
    } else {
      EXPECT_EQ(LeftOutReason(file.leftOut.at(left++).cause), std::string(LeftOutReason(row.cause))) << row.lines;
    }
  }
  ASSERT_EQ(file.leftOut.size(), left + 1);
  EXPECT_EQ(file.leftOut.back().cause, LeftOutCause::kToDo);
  EXPECT_EQ(file.leftOut.front().line, 11);  // its BEGIN:VEVENT
  EXPECT_EQ(LeftOutTally({file.leftOut[0], file.leftOut[1], file.leftOut.back()}),
            "3 events kept but not shown: 1 weekly, 1 with gaps, 1 to-do");
}

// An event without a UID gets one from its lines, whatever its stamp and line
// ends: imported twice from two exports, it is one day. \N is a new line.
TEST(DaysText, AnEventWithoutUidIsTheSameDayInEveryExport) {
  const std::string lf = "BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTAMP:20260101T000000Z\nDTSTART;VALUE=DATE:20261208\n"
                         "SUMMARY:Abebe\nDESCRIPTION:one\\Ntwo\nEND:VEVENT\nEND:VCALENDAR\n";
  std::string crlf = WithCrlf(lf);
  crlf.replace(crlf.find("20260101"), 8, "20270202");
  std::vector<UserDay> first, second;
  std::vector<StoreError> errors;
  ASSERT_TRUE(ReadDays(lf, &first, &errors) && ReadDays(crlf, &second, &errors));
  EXPECT_EQ(first.at(0).uid, second.at(0).uid);
  EXPECT_EQ(first[0].note, "one\ntwo");
}

// The rule for text, typed or read: UTF-8 in its shortest form, no control
// character but a new line or a tab where lines are allowed.
TEST(DaysText, TextIsUtf8WithoutControlCharactersOrRefused) {
  const struct {
    const char* text;
    TextLines lines;
    const char* fault;  // "" when kept
  } rows[] = {
      {"ልደት Abebe", TextLines::kOne, ""},
      {"\xF0\x9F\x8E\x82 cake", TextLines::kOne, ""},
      {"two\nlines\tand tab", TextLines::kMany, ""},
      {"two\nlines", TextLines::kOne, "byte 4 is a control character"},
      {"a\x1b[31m", TextLines::kMany, "byte 2 is a control character"},
      {"del\x7f", TextLines::kOne, "byte 4 is a control character"},
      {"\xC3(bad", TextLines::kOne, "byte 1 is not UTF-8"},
      {"ok\xE0\x80\xAF", TextLines::kOne, "byte 3 is not UTF-8"},      // overlong '/'
      {"\xED\xA0\x80", TextLines::kOne, "byte 1 is not UTF-8"},        // a surrogate
      {"x\xF4\x90\x80\x80", TextLines::kOne, "byte 2 is not UTF-8"},  // past U+10FFFF
      {"cut \xE1\x88", TextLines::kOne, "byte 5 is not UTF-8"},
  };
  for (const auto& row : rows) {
    TextFault fault;
    const bool kept = TextKeepsRule(row.text, row.lines, &fault);
    EXPECT_EQ(kept ? "" : FaultText(fault), row.fault) << row.text;
  }
}

TEST(DaysText, TheFileLivesInTheUsersDataFolder) {
  const char* home = std::getenv("HOME");
  const std::string saved = home ? home : "";
  setenv("HOME", "/home/abebe", 1);
  const struct {
    const char* data;
    const char* path;
  } rows[] = {
      {"/data", "/data/zelmora/days.ics"},
      {"relative/data", "/home/abebe/.local/share/zelmora/days.ics"},
      {"", "/home/abebe/.local/share/zelmora/days.ics"},
  };
  for (const auto& row : rows) {
    setenv("XDG_DATA_HOME", row.data, 1);
    EXPECT_EQ(DaysFilePath(), row.path) << row.data;
  }
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", saved.c_str(), 1);
}

}  // namespace
