// A day's reminders: the WHEN the terminal takes, the TRIGGER durations of
// the file both ways, and the VALARMs of days.ics read, written and, when
// another program wrote them in another form, kept byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/days/days_file.h"

namespace {

struct TriggerRow {
  const char* duration;
  Reminder reminder;
};

TEST(Reminders, TriggersBothWays) {
  const TriggerRow written[] = {{"PT9H", {0, 540}},   {"PT8H30M", {0, 510}}, {"PT0S", {0, 0}},
                                {"-P6DT15H", {7, 540}}, {"-P1D", {1, 0}},       {"-PT6H", {1, 1080}},
                                {"PT23H59M", {0, 1439}}, {"-P366D", {366, 0}}};
  // What other programs write for the same moments: other units, a sign, lower case.
  const TriggerRow equivalent[] = {{"P0D", {0, 0}},    {"-PT0S", {0, 0}},     {"+PT9H", {0, 540}},
                                   {"PT540M", {0, 540}}, {"-P1W", {7, 0}},     {"-PT360M", {1, 1080}},
                                   {"-PT60S", {1, 1439}}, {"pt8h30m", {0, 510}}, {"-P1DT0H", {1, 0}}};
  for (const TriggerRow& row : written) {
    EXPECT_EQ(TriggerText(row.reminder), row.duration);
  }
  std::vector<TriggerRow> read(std::begin(written), std::end(written));
  read.insert(read.end(), std::begin(equivalent), std::end(equivalent));
  for (const TriggerRow& row : read) {
    Reminder reminder{-1, -1};
    EXPECT_TRUE(ReminderOfTrigger(row.duration, &reminder)) << row.duration;
    EXPECT_EQ(reminder, row.reminder) << row.duration;
  }
  // Past the day, too far before it, not whole minutes, not a duration.
  for (const char* refused : {"P1D", "PT24H", "PT30S", "-P367D", "P", "PT", "-PT1H2D", "P1H", "9H", "", "PT1M1H",
                              "-P99999999999D", "20261208T090000Z", "-P1D2W"}) {
    Reminder reminder;
    EXPECT_FALSE(ReminderOfTrigger(refused, &reminder)) << refused;
  }
}

struct WhenRow {
  std::vector<std::string> whens;
  std::vector<Reminder> reminders;  // earliest first, each once
  bool read;
};

TEST(Reminders, WhenAsTyped) {
  const WhenRow rows[] = {
      {{"@09:00"}, {{0, 540}}, true},
      {{"@9:00", "7d@09:00", "@09:00", "0d@09:00"}, {{7, 540}, {0, 540}}, true},
      {{"none"}, {}, true},
      {{"366d@23:59", "1D@00:00"}, {{366, 1439}, {1, 0}}, true},
      {{"@24:00"}, {}, false},   {{"@09:60"}, {}, false},  {{"@09:0"}, {}, false},  {{"7@09:00"}, {}, false},
      {{"d@09:00"}, {}, false},  {{"367d@09:00"}, {}, false}, {{"none", "@09:00"}, {}, false},
      {{"@09:00x"}, {}, false}, {{""}, {}, false},        {{"-1d@09:00"}, {}, false}, {{"@123:00"}, {}, false},
  };
  for (const WhenRow& row : rows) {
    std::vector<Reminder> reminders{{3, 3}};
    std::string why;
    EXPECT_EQ(ParseReminders(row.whens, &reminders, &why), row.read) << row.whens.at(0);
    if (row.read) {
      EXPECT_EQ(reminders, row.reminders) << row.whens.at(0);
    } else {
      EXPECT_NE(why.find("; expected @HH:MM, Nd@HH:MM or none"), std::string::npos) << why;
    }
  }
  std::vector<Reminder> reminders;
  std::string why;
  EXPECT_FALSE(ParseReminders({"25:00\x1b[2J"}, &reminders, &why));
  EXPECT_EQ(why, "\"25:00?[2J\" is no reminder; expected @HH:MM, Nd@HH:MM or none");
  EXPECT_EQ(ReminderText({7, 545}), "7d@09:05");
  EXPECT_EQ(ReminderText({0, 0}), "@00:00");
}

// Alarms another program wrote in forms a reminder does not take.
const char* const kForeignAlarms[] = {
    "BEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER:-PT15M\r\nEND:VALARM",
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:At\r\nTRIGGER;VALUE=DATE-TIME:20261208T090000Z\r\nEND:VALARM",
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:After\r\nTRIGGER;RELATED=END:PT5M\r\nEND:VALARM",
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Again\r\nTRIGGER:-P1D\r\nREPEAT:2\r\nDURATION:PT1H\r\nEND:VALARM",
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Ack\r\nTRIGGER:-PT15M\r\nX-MOZ-LASTACK:20260101T000000Z\r\n"
    "END:VALARM",
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Far\r\nTRIGGER:-P400D\r\nEND:VALARM",
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION;LANGUAGE=am:ልደት\r\nTRIGGER:PT9H\r\nEND:VALARM",
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT9H\r\nEND:VALARM",
};

TEST(Reminders, ReadWrittenAndForeignAlarmsKept) {
  std::string text = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a@example.com\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20261208\r\n"
                     "SUMMARY:Abebe\\, 40\r\n"
                     "BEGIN:VALARM\nACTION:DISPLAY\ntrigger;related=start:-P6DT15H\nDESCRIPTION:Long\n text\nEND:VALARM\n"
                     "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT9H\r\nDESCRIPTION:x\r\nEND:VALARM\r\n"
                     "BEGIN:VALARM\r\nTRIGGER;VALUE=DURATION:-PT6H\r\nDESCRIPTION:x\r\nACTION:DISPLAY\r\nEND:VALARM\r\n"
                     "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT360M\r\nDESCRIPTION:once\r\nEND:VALARM\r\n";
  for (const char* alarm : kForeignAlarms) text += std::string(alarm) + "\r\n";
  text += "END:VEVENT\r\nEND:VCALENDAR\r\n";
  DaysFile file;
  std::vector<StoreError> errors;
  ASSERT_TRUE(ReadDaysFile(text, &file, &errors)) << errors.at(0).what;
  const std::vector<Reminder> expected{{7, 540}, {1, 1080}, {0, 540}};
  ASSERT_EQ(file.days.at(0).reminders, expected);
  std::string written, why, again;
  ASSERT_TRUE(WriteDaysFile(file, &written, &why)) << why;
  for (const char* alarm : kForeignAlarms) EXPECT_NE(written.find(alarm), std::string::npos) << alarm << "\n" << written;
  EXPECT_NE(written.find("BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-P6DT15H\r\nDESCRIPTION:Abebe\\, 40\r\nEND:VALARM"),
            std::string::npos) << written;
  ASSERT_TRUE(ReadDaysFile(written, &file, &errors));
  EXPECT_EQ(file.days.at(0).reminders, expected);
  ASSERT_TRUE(WriteDaysFile(file, &again, &why));
  EXPECT_EQ(again, written);
}

}  // namespace
