// The iCalendar file of the holidays and fasts as the writer makes it.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "core/calendar/calendar_date.h"
#include "core/calendar/holidays.h"
#include "core/church/fasts.h"
#include "core/export/holiday_calendar.h"
#include "fixed_clock.h"
#include "core/identity/program_identity.h"

namespace {

// The UIDs of one Ethiopian year's file, by summary, and its product id.
std::map<std::string, std::string> UidsOf(int year, std::string* productId) {
  std::string ics, why;
  const auto fasts = ReckonChurchYear(year).fasts;
  EXPECT_TRUE(HolidayCalendar(HolidaysOfEthiopianYear(year), {fasts.begin(), fasts.end()}, &ics, &why)) << why;
  std::map<std::string, std::string> uids;
  std::istringstream lines(ics);
  std::string uid;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("PRODID:", 0) == 0) *productId = line.substr(7);
    if (line.rfind("UID:", 0) == 0) uid = line.substr(4);
    if (line.rfind("SUMMARY:", 0) == 0) uids[line.substr(8)] += uid;  // a holiday met twice in a year keeps both
  }
  return uids;
}

// A calendar program that imports the file again updates its events rather
// than doubling them, and keeps last year's apart from this year's.
TEST(HolidayCalendarFile, UidsStableAndApartAcrossYears) {
  std::string productId;
  FixClock(2008, 11, 29, 9, 0, 0);
  const auto first = UidsOf(2001, &productId);
  FixClock(2009, 3, 1, 17, 30, 0);
  EXPECT_EQ(UidsOf(2001, &productId), first);
  EXPECT_EQ(productId, std::string("-//") + kProgramName + "//" + kProgramName + " " + kVersion + "//EN");
  EXPECT_EQ(std::string(kVersionText), std::string(kProgramName) + " Ver." + kVersion);
  const auto next = UidsOf(2002, &productId);
  std::set<std::string> all;
  for (const auto& [summary, uid] : first) {
    EXPECT_TRUE(all.insert(uid).second) << summary;
    if (next.count(summary)) {
      EXPECT_NE(next.at(summary), uid) << summary;
    }
  }
  EXPECT_GT(first.size(), 25u);
}

// Lines of at most 75 octets, folded between characters, text escaped: what
// every calendar program reads back whole.
TEST(HolidayCalendarFile, LinesFoldedAndTextEscaped) {
  std::string amharic = "a";  // so that octet 75 falls inside a character
  for (int i = 0; i < 40; ++i) amharic += "\xe1\x88\x80";  // three octets each
  const Holiday odd{CalendarDate(2008, 9, 11, Gregorian).dayNumber, "A, b; c\\d", amharic.c_str(), kPublicHoliday};
  std::string ics, why;
  ASSERT_TRUE(HolidayCalendar({odd}, {}, &ics, &why)) << why;
  std::string unfolded;
  for (std::size_t from = 0, end; (end = ics.find("\r\n", from)) != std::string::npos; from = end + 2) {
    const std::string line = ics.substr(from, end - from);
    EXPECT_LE(line.size(), 75u) << line;
    if (line[0] == ' ') {
      EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << "a character split: " << line;
      unfolded += line.substr(1);
    } else {
      unfolded += "\n" + line;
    }
  }
  EXPECT_NE(unfolded.find("\nSUMMARY:A\\, b\\; c\\\\d\n"), std::string::npos) << unfolded;
  EXPECT_NE(unfolded.find("\nDESCRIPTION:" + amharic + "\\n"), std::string::npos);
}

}  // namespace
