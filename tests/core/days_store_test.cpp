// The user's days file: what another program wrote survives every save, a
// file that cannot be read is named line by line and never overwritten, a
// save keeps the file's permission bits and its symbolic link, and two
// processes adding at once both keep their days.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/calendar/calendar_date.h"
#include "core/days/day_store.h"
#include "test_files.h"

namespace {

class DaysFolder : public ::testing::Test {
 protected:
  static void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  static std::string Read(const std::string& path) { return ReadFile(path); }
  static UserDay Day(const std::string& name, int y, int m, int d, Repeat repeat = Repeat::kEthiopianYear) {
    UserDay day;
    day.name = name;
    day.start = CalendarDate(y, m, d, Ethiopian).dayNumber;
    day.repeat = repeat;
    return day;
  }
  // Adds a day through a store of its own, as another program would.
  void AddFromOutside(const std::string& name) {
    DayStore other(path_);
    std::string uid, why;
    ASSERT_TRUE(other.Add(Day(name, 2019, 3, 29), &uid, &why)) << why;
  }

  ScratchFolder scratch_{"zelmora-days"};
  const std::string folder_ = scratch_.path;
  std::string path_ = folder_ + "/days.ics";
};

// What another program wrote, each row a piece that must come back unchanged
// (byte for byte) after Zelmora changes the file.
const std::string kForeignPieces[] = {
    "X-WR-CALNAME:Family days",
    "CALSCALE:GREGORIAN",
    "BEGIN:VTIMEZONE\r\nTZID:Africa/Addis_Ababa\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
    "TZOFFSETFROM:+0300\r\nTZOFFSETTO:+0300\r\nEND:STANDARD\r\nEND:VTIMEZONE",
    "BEGIN:VTODO\r\nUID:todo-1@example.com\r\nSUMMARY:Buy candles\r\nEND:VTODO",
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Tomorrow\r\nTRIGGER:-P1D\r\nREPEAT:1\r\nDURATION:PT1H\r\nEND:VALARM",
    "CATEGORIES:family",
    "X-APPLE-TRAVEL-ADVISORY;X-FLAG=1:none",
    "X-LONG:" + std::string(70, 'a') + "\r\n " + std::string(30, 'b'),
    "SUMMARY;LANGUAGE=am:የልደት ቀን",
    // Events whose dates Zelmora does not keep: a time of day, a count.
    "BEGIN:VEVENT\r\nUID:meeting@example.com\r\nDTSTART:20261208T100000Z\r\nSUMMARY:Meeting\r\nEND:VEVENT",
    "BEGIN:VEVENT\r\nUID:thrice@example.com\r\nDTSTART;VALUE=DATE:20261208\r\nRRULE:FREQ=YEARLY;COUNT=3\r\n"
    "SUMMARY:Three times\r\nEND:VEVENT",
    "BEGIN:VEVENT\r\nUID:other-year@example.com\r\nDTSTART;VALUE=DATE:20261208\r\n"
    "RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY;INTERVAL=2\r\nSUMMARY:Every other year\r\nEND:VEVENT",
    // A day Zelmora keeps, its stamp in a form of its own, its description empty.
    "BEGIN:VEVENT\r\nUID:nameday@example.com\r\nDTSTAMP;X-FROM=phone:20240101T000000Z\r\n"
    "DTSTART;VALUE=DATE:20260911\r\nSUMMARY:Name day\r\nDESCRIPTION;LANGUAGE=am:\r\nEND:VEVENT",
};

std::string ForeignFile() {
  return std::string("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//Other//EN\r\n") + kForeignPieces[0] + "\r\n" +
         kForeignPieces[1] + "\r\n" + kForeignPieces[2] + "\r\n" + kForeignPieces[3] +
         "\r\nBEGIN:VEVENT\r\nUID:birthday@example.com\r\nDTSTAMP:20250101T000000Z\r\n"
         "DTSTART;VALUE=DATE:20261208\r\nDTEND;VALUE=DATE:20261209\r\nRRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r\n" +
         kForeignPieces[8] + "\r\n" + kForeignPieces[4] + "\r\n" + kForeignPieces[5] + "\r\n" + kForeignPieces[6] +
         "\r\n" + kForeignPieces[7] + "\r\nEND:VEVENT\r\n" + kForeignPieces[9] + "\r\n" + kForeignPieces[10] + "\r\n" +
         kForeignPieces[11] + "\r\n" + kForeignPieces[12] + "\r\nEND:VCALENDAR\r\n";
}

TEST_F(DaysFolder, WhatAnotherProgramWroteComesBackUnchanged) {
  Write(path_, ForeignFile());
  DayStore store(path_);
  std::vector<StoreError> errors;
  ASSERT_TRUE(store.Load(&errors)) << errors.at(0).what;
  ASSERT_EQ(store.Days().size(), 2u);
  EXPECT_EQ(store.Days()[0].name, "የልደት ቀን");
  EXPECT_EQ(store.Days()[0].repeat, Repeat::kEthiopianYear);
  std::string uid, why;
  ASSERT_TRUE(store.Add(Day("Wedding", 2010, 5, 12), &uid, &why)) << why;
  // A day changed from a fresh copy, as a dialog makes it: what was read with it stays.
  UserDay changed = Day("የልደት ቀን", 2019, 3, 29);
  changed.uid = "birthday@example.com";
  changed.note = "with the family";
  ASSERT_TRUE(store.Replace(changed, &why)) << why;
  const std::string saved = Read(path_);
  for (const std::string& piece : kForeignPieces) EXPECT_NE(saved.find(piece), std::string::npos) << piece << "\n" << saved;
  EXPECT_NE(saved.find("DTEND;VALUE=DATE:20261209"), std::string::npos);
  EXPECT_EQ(saved.find("DTSTAMP:20250101T000000Z"), std::string::npos) << "the changed day keeps its old stamp";
  ASSERT_TRUE(store.Load(&errors));
  EXPECT_EQ(store.Days().size(), 3u);
  EXPECT_EQ(store.Days()[0].note, "with the family");
}

// Files that cannot be read, each with the line that says why.
struct UnreadableRow {
  const char* text;
  int line;
};
const UnreadableRow kUnreadable[] = {
    {"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nthis is no property\r\nEND:VCALENDAR\r\n", 3},
    {"Hello\r\n", 1},
    {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nEND:VCALENDAR\r\n", 4},
    {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20261332\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n", 4},
    {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20265501\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n", 4},
    {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:2026-12-08\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n", 3},
    {"BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 1},
    {"BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\nBEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n", 3},
    {"\xEF\xBB\xBF" "BEGIN:VCALENDAR\r\nX-NOTE:caf\xE9\r\nEND:VCALENDAR\r\n", 2},  // Latin-1, not UTF-8
};

TEST_F(DaysFolder, AnUnreadableFileIsNamedAndNeverOverwritten) {
  for (const UnreadableRow& row : kUnreadable) {
    Write(path_, row.text);
    DayStore store(path_);
    std::vector<StoreError> errors;
    EXPECT_FALSE(store.Load(&errors)) << row.text;
    ASSERT_FALSE(errors.empty()) << row.text;
    EXPECT_EQ(errors[0].line, row.line) << row.text << errors[0].what;
    std::string uid, why;
    EXPECT_FALSE(store.Add(Day("Lost", 2018, 1, 1), &uid, &why)) << row.text;
    EXPECT_FALSE(why.empty());
    int added = 0;
    EXPECT_FALSE(store.AddAll({Day("Lost", 2018, 1, 1)}, &added, &why));
    EXPECT_EQ(Read(path_), row.text);
    // A store that read the file before it was spoiled refuses too.
    Write(path_, "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    DayStore earlier(path_);
    ASSERT_TRUE(earlier.Load(nullptr));
    Write(path_, row.text);
    EXPECT_FALSE(earlier.Add(Day("Lost", 2018, 1, 1), &uid, &why)) << row.text;
    EXPECT_NE(why.find("line " + std::to_string(row.line)), std::string::npos) << why;
    EXPECT_EQ(Read(path_), row.text);
  }
}

TEST_F(DaysFolder, ASaveKeepsPermissionBitsAndTheLink) {
  ASSERT_EQ(mkdir((folder_ + "/synced").c_str(), 0700), 0);
  const std::string real = folder_ + "/synced/mine.ics";
  Write(real, "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
  ASSERT_EQ(chmod(real.c_str(), 0640), 0);
  ASSERT_EQ(symlink("synced/mine.ics", path_.c_str()), 0);
  AddFromOutside("Timket");
  struct stat link{}, file{};
  ASSERT_EQ(lstat(path_.c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  ASSERT_EQ(stat(real.c_str(), &file), 0);
  EXPECT_EQ(file.st_mode & 07777, 0640u);
  EXPECT_NE(Read(real).find("SUMMARY:Timket"), std::string::npos);
}

TEST_F(DaysFolder, TheFirstSaveMakesTheFolders) {
  path_ = folder_ + "/data/zelmora/days.ics";
  AddFromOutside("Meskel");
  EXPECT_NE(Read(path_).find("SUMMARY:Meskel"), std::string::npos);
}

TEST_F(DaysFolder, ChangesFindTheirDayAndRefuseWhatIsNotThere) {
  DayStore store(path_);
  ASSERT_TRUE(store.Load(nullptr));
  EXPECT_TRUE(store.Days().empty());
  EXPECT_FALSE(store.ChangedOnDisk());
  std::string uid, why;
  ASSERT_TRUE(store.Add(Day("Birthday", 2010, 3, 29), &uid, &why)) << why;
  EXPECT_FALSE(store.ChangedOnDisk());
  const std::string before = Read(path_);
  EXPECT_FALSE(store.Remove("no-such-day", &why));
  UserDay stranger = Day("Stranger", 2010, 3, 29);
  stranger.uid = "no-such-day";
  EXPECT_FALSE(store.Replace(stranger, &why));
  EXPECT_FALSE(store.Add(store.Days()[0], nullptr, &why));  // its UID is taken
  EXPECT_EQ(Read(path_), before);
  int added = -1;
  std::vector<UserDay> imported = {store.Days()[0], Day("Anniversary", 2012, 9, 1), Day("Name day", 2015, 1, 5)};
  ASSERT_TRUE(store.AddAll(imported, &added, &why)) << why;
  EXPECT_EQ(added, 2);
  AddFromOutside("From the terminal");
  EXPECT_TRUE(store.ChangedOnDisk());
  ASSERT_TRUE(store.Remove(uid, &why)) << why;  // reads the terminal's day first, and keeps it
  EXPECT_EQ(store.Days().size(), 3u);
  EXPECT_FALSE(store.ChangedOnDisk());
}

TEST_F(DaysFolder, TwoProcessesAddingAtOnceKeepEveryDay) {
  constexpr int kEach = 100;
  std::vector<pid_t> children;
  for (int child = 0; child < 2; ++child) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      DayStore store(path_);
      std::string uid, why;
      for (int i = 0; i < kEach; ++i) {
        if (!store.Add(Day("p" + std::to_string(child) + "-" + std::to_string(i), 2018, 1, 1), &uid, &why)) _exit(1);
      }
      _exit(0);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  DayStore store(path_);
  ASSERT_TRUE(store.Load(nullptr));
  std::set<std::string> names, uids;
  for (const UserDay& day : store.Days()) names.insert(day.name), uids.insert(day.uid);
  EXPECT_EQ(names.size(), 2u * kEach);
  EXPECT_EQ(uids.size(), 2u * kEach);
}

}  // namespace
