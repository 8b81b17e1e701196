// A day's reminders: the WHEN the terminal takes, the TRIGGER durations both
// ways, and the VALARMs of days.ics, another program's kept byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/days/days_file.h"
#include "test_files.h"

namespace {

// Written as Zelmora writes them, then read as other programs write the same moments.
const std::pair<const char*, Reminder> kTriggers[] = {
    {"PT9H", {0, 540}}, {"PT8H30M", {0, 510}}, {"PT0S", {0, 0}}, {"-P6DT15H", {7, 540}}, {"-P1D", {1, 0}},
    {"-PT6H", {1, 1080}}, {"PT23H59M", {0, 1439}}, {"-P366D", {366, 0}}, {"P0D", {0, 0}}, {"+PT9H", {0, 540}},
    {"PT540M", {0, 540}}, {"-P1W", {7, 0}}, {"-PT60S", {1, 1439}}, {"pt8h30m", {0, 510}}, {"-P1DT0H", {1, 0}}};
constexpr size_t kWritten = 8;

TEST(Reminders, TriggersBothWays) {
  for (size_t i = 0; i < std::size(kTriggers); ++i) {
    const auto& [duration, reminder] = kTriggers[i];
    EXPECT_TRUE(i >= kWritten || TriggerText(reminder) == duration) << duration;
    Reminder read{-1, -1};
    EXPECT_TRUE(ReminderOfTrigger(duration, &read) && read == reminder) << duration;
  }
  // Past the day, too far before it, not whole minutes, not a duration.
  for (const char* refused : {"P1D", "PT24H", "PT30S", "-P367D", "P", "PT", "-PT1H2D", "P1H", "9H", "", "PT1M1H",
                              "-P99999999999D", "20261208T090000Z", "-P1D2W"}) {
    Reminder reminder;
    EXPECT_FALSE(ReminderOfTrigger(refused, &reminder)) << refused;
  }
}

TEST(Reminders, WhenAsTyped) {
  const std::pair<std::vector<std::string>, std::vector<Reminder>> read[] = {
      {{"@09:00"}, {{0, 540}}}, {{"@9:00", "7d@09:00", "@09:00", "0d@09:00"}, {{7, 540}, {0, 540}}}, {{"none"}, {}},
      {{"366d@23:59", "1D@00:00"}, {{366, 1439}, {1, 0}}}};
  for (const auto& [whens, reminders] : read) {
    std::vector<Reminder> got{{3, 3}};
    std::string why;
    EXPECT_TRUE(ParseReminders(whens, &got, &why) && got == reminders) << whens[0];
  }
  // The last, typed with a terminal's escape, is named without it.
  const std::vector<std::string> refused[] = {{"@24:00"},  {"@09:60"}, {"@09:0"},     {"7@09:00"}, {"d@09:00"},
                                              {"367d@09:00"}, {"@09:00x"}, {""}, {"-1d@09:00"}, {"@123:00"},
                                              {"none", "@09:00"}, {"25:00\x1b[2J"}};
  std::string why;
  for (const std::vector<std::string>& whens : refused) {
    std::vector<Reminder> got;
    EXPECT_FALSE(ParseReminders(whens, &got, &why)) << whens.back();
    EXPECT_NE(why.find("; expected @HH:MM, Nd@HH:MM or none"), std::string::npos) << why;
  }
  EXPECT_EQ(why, "\"25:00?[2J\" is no reminder; expected @HH:MM, Nd@HH:MM or none");
}

// The day's reminders read in any form and written in Zelmora's; every other
// alarm (each says "Kept:") back byte for byte, the file the same when saved again.
TEST(Reminders, ReadWrittenAndForeignAlarmsKept) {
  const std::string text = ReadFile(ZELMORA_ICAL_CORPUS "/reminders.ics");
  DaysFile file;
  std::vector<StoreError> errors;
  ASSERT_TRUE(ReadDaysFile(text, &file, &errors)) << errors.at(0).what;
  const std::vector<Reminder> expected{{7, 540}, {1, 1080}, {0, 540}};
  EXPECT_EQ(file.days.at(0).reminders, expected);
  std::string written, why, again;
  ASSERT_TRUE(WriteDaysFile(file, &written, &why)) << why;
  size_t kept = 0;
  for (size_t at = 0; (at = text.find("BEGIN:VALARM", at)) != std::string::npos; ++at) {
    const std::string alarm = text.substr(at, text.find("END:VALARM", at) - at);
    const bool foreign = alarm.find("Kept:") != std::string::npos;
    kept += foreign;
    EXPECT_TRUE(!foreign || written.find(alarm) != std::string::npos) << alarm << "\n" << written;
  }
  EXPECT_EQ(kept, 7u);
  EXPECT_NE(written.find("BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-P6DT15H\r\nDESCRIPTION:Abebe\\, 40\r\nEND:VALARM"),
            std::string::npos) << written;
  ASSERT_TRUE(ReadDaysFile(written, &file, &errors) && WriteDaysFile(file, &again, &why));
  EXPECT_TRUE(file.days.at(0).reminders == expected && again == written) << again;
}

}  // namespace
