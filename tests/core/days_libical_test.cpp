// The user's days' repeats against libical's own RSCALE expansion (which
// reckons the Ethiopian calendar through ICU): the rule texts are written
// here, row by row, and libical's dates compared with the core's over
// centuries. Then the file the store writes, read and expanded by libical,
// memorials' dates included.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/calendar/calendar_date.h"
#include "core/days/days_file.h"
#include "core/days/memorial.h"
#include "core/days/occurrences.h"
#include "test_files.h"

namespace {

constexpr int kLastYear = 2330;  // Gregorian; libical and the core both reach far past it

int DayOf(const icaltimetype& time) { return CalendarDate(time.year, time.month, time.day, Gregorian).dayNumber; }

// Through the text form: a date made field by field starts libical's
// iterator a year late.
icaltimetype DateOf(int32_t day) {
  CalendarDate date;
  date.SetFromDayNumber(day, Gregorian);
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
  return icaltime_from_string(text);
}

// libical's occurrences of rule from start up to the last day.
std::vector<int32_t> Expanded(const std::string& rule, int32_t start, int32_t last) {
  std::vector<int32_t> days;
  icalrecurrencetype recurrence = icalrecurrencetype_from_string(rule.c_str());
  // The rule's RSCALE is the caller's to free; neither the iterator nor clear() does.
  const std::unique_ptr<char, decltype(&std::free)> scale(recurrence.rscale, &std::free);
  icalrecur_iterator* it = icalrecur_iterator_new(recurrence, DateOf(start));
  EXPECT_NE(it, nullptr) << rule << ": " << icalerror_strerror(icalerrno);
  if (!it) return days;
  for (icaltimetype t = icalrecur_iterator_next(it); !icaltime_is_null_time(t) && DayOf(t) <= last;
       t = icalrecur_iterator_next(it)) {
    days.push_back(DayOf(t));
  }
  icalrecur_iterator_free(it);
  return days;
}

std::vector<int32_t> Core(const UserDay& day, int32_t last) {
  std::vector<int32_t> days;
  for (const Occurrence& o : OccurrencesBetween({day}, day.start, last)) days.push_back(o.day);
  return days;
}

struct RuleRow {
  const char* rule;
  Repeat repeat;
  CalendarKind kind;  // of the start's date
  int month;
  int day;
};

// A start in a year of each kind: before the Ethiopian leap year, the leap
// year itself (Pagume 6 is only there), and after it. A monthly rule starts
// in two of them: its thirteen dates a year make libical's part slow.
constexpr int kStartYears[] = {1895, 1899, 1900, 2015, 2016};
constexpr int kMonthlyStartYears[] = {1899, 2016};

TEST(DaysAgainstLibical, EveryRuleOverCenturies) {
  std::vector<RuleRow> rows;
  for (int month = 1; month <= 12; ++month) {
    for (int day : {1, 29, 30}) {
      rows.push_back({"RSCALE=ETHIOPIC;FREQ=YEARLY", Repeat::kEthiopianYear, Ethiopian, month, day});
      rows.push_back({"RSCALE=ETHIOPIC;FREQ=MONTHLY", Repeat::kEthiopianMonth, Ethiopian, month, day});
    }
  }
  for (int day : {1, 5, 6}) {
    rows.push_back({"RSCALE=ETHIOPIC;FREQ=YEARLY;SKIP=BACKWARD", Repeat::kEthiopianYear, Ethiopian, 13, day});
    rows.push_back({"RSCALE=ETHIOPIC;FREQ=MONTHLY", Repeat::kEthiopianMonth, Ethiopian, 13, day});
  }
  for (auto [month, day] : {std::pair{2, 29}, {2, 28}, {3, 1}, {12, 31}, {1, 1}}) {
    rows.push_back({"FREQ=YEARLY", Repeat::kGregorianYear, Gregorian, month, day});
  }
  const int32_t last = CalendarDate(kLastYear, 12, 31, Gregorian).dayNumber;
  int compared = 0;
  for (const RuleRow& row : rows) {
    const bool monthly = row.repeat == Repeat::kEthiopianMonth;
    for (int year : monthly ? std::vector<int>(std::begin(kMonthlyStartYears), std::end(kMonthlyStartYears))
                            : std::vector<int>(std::begin(kStartYears), std::end(kStartYears))) {
      const CalendarDate start(row.kind == Gregorian ? year + 8 : year, row.month, row.day, row.kind);
      if (row.day > start.DaysInMonth()) continue;  // Pagume 6 or 29 February in a common year
      UserDay day;
      day.start = start.dayNumber;
      day.repeat = row.repeat;
      const std::vector<int32_t> expected = Expanded(row.rule, day.start, last);
      ASSERT_EQ(Core(day, last), expected) << row.rule << " from " << start.NumericText() << " (" << row.month
                                           << "/" << row.day << ")";
      ++compared;
    }
  }
  EXPECT_GT(compared, 200);
}

// libical's occurrences of one event as the file holds it: its rule, its
// RDATEs and its DTSTART.
std::vector<int32_t> ExpandedEvent(icalcomponent* event, int32_t last) {
  const int32_t start = DayOf(icalcomponent_get_dtstart(event));
  icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
  std::vector<int32_t> days =
      rule ? Expanded(icalproperty_get_value_as_string(rule), start, last)
           : std::vector<int32_t>{start};
  for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
       p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
    days.push_back(DayOf(icalproperty_get_rdate(p).time));
  }
  std::sort(days.begin(), days.end());
  return days;
}

TEST(DaysAgainstLibical, TheWrittenFileMeansWhatTheCoreExpands) {
  DaysFile file;
  const auto add = [&file](int y, int m, int d, CalendarKind kind, Repeat repeat) {
    UserDay day;
    day.uid = "day" + std::to_string(file.days.size());
    day.name = "Day, with; escapes";
    day.start = CalendarDate(y, m, d, kind).dayNumber;
    day.repeat = repeat;
    file.days.push_back(day);
  };
  // Passings on Pagume 6, on the last days of the months and in Pagume, where
  // the half year and the first year are reckoned across the year's end.
  for (auto [m, d] : {std::pair{13, 6}, {13, 5}, {13, 1}, {12, 30}, {7, 10}, {6, 30}, {1, 1}, {11, 25}}) {
    add(2019, m, d, Ethiopian, Repeat::kMemorial);
    add(2019, m, d, Ethiopian, Repeat::kEthiopianYear);
    add(2019, m, d, Ethiopian, Repeat::kEthiopianMonth);
    add(2019, m, d, Ethiopian, Repeat::kOnce);
  }
  add(2024, 2, 29, Gregorian, Repeat::kGregorianYear);
  std::string text, why;
  ASSERT_TRUE(WriteDaysFile(file, &text, &why)) << why;
  icalcomponent* calendar = icalparser_parse_string(text.c_str());
  ASSERT_NE(calendar, nullptr);
  const int32_t last = CalendarDate(kLastYear, 12, 31, Gregorian).dayNumber;
  size_t read = 0;
  for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
       event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++read) {
    const UserDay& day = file.days.at(std::stoul(std::string(icalcomponent_get_uid(event)).substr(3)));
    EXPECT_STREQ(icalcomponent_get_summary(event), "Day, with; escapes");
    EXPECT_EQ(ExpandedEvent(event, last), Core(day, last)) << text.substr(0, 0) << day.uid;
  }
  EXPECT_EQ(read, file.days.size());
  icalcomponent_free(calendar);
}

// Files other programs wrote (tests/data/ical/README says how each was
// made): Zelmora takes the days its rows say and leaves the other events out;
// each day it takes falls where libical's expansion of the same event does.
struct CorpusRow {
  const char* file;
  size_t days, eventsLeftOut;
};
const CorpusRow kCorpus[] = {
    {"calcurse.ics", 2, 3},        {"khal_timket.ics", 1, 0},      {"khal_trip.ics", 0, 1},
    {"khal_weekly.ics", 0, 1},     {"python_icalendar.ics", 3, 3}, {"google.ics", 2, 2},
    {"thunderbird_crlf.ics", 1, 1}, {"thunderbird_lf.ics", 1, 1},  {"bom.ics", 2, 0},
};

TEST(DaysAgainstLibical, OtherProgramsFilesGiveTheSameDays) {
  const int32_t last = CalendarDate(2060, 12, 31, Gregorian).dayNumber;
  for (const CorpusRow& row : kCorpus) {
    std::string text = ReadFile(std::string(ZELMORA_ICAL_CORPUS "/") + row.file);
    DaysFile file;
    std::vector<StoreError> errors;
    ASSERT_TRUE(ReadDaysFile(text, &file, &errors, Reading::kImport)) << row.file << ": " << errors.at(0).what;
    EXPECT_EQ(file.days.size(), row.days) << row.file;
    EXPECT_EQ(std::count_if(file.leftOut.begin(), file.leftOut.end(), [](const LeftOut& l) { return IsEvent(l.cause); }),
              static_cast<long>(row.eventsLeftOut)) << row.file;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // which libical does not pass over
    if (text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) text.erase(0, kByteOrderMark.size());
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    ASSERT_NE(calendar, nullptr) << row.file;
    size_t events = 0, matched = 0;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++events) {
      for (const UserDay& day : file.days) {
        if (day.name != icalcomponent_get_summary(event)) continue;
        EXPECT_EQ(ExpandedEvent(event, last), Core(day, last)) << row.file << ": " << day.name;
        ++matched;
      }
    }
    EXPECT_EQ(events, row.days + row.eventsLeftOut) << row.file;
    EXPECT_EQ(matched, row.days) << row.file;
    icalcomponent_free(calendar);
  }
}

}  // namespace
