#include <gtest/gtest.h>

#include <cstdlib>

#include "core/calendar/calendar_date.h"
#include "core/remind/due.h"
#include "core/remind/notice.h"
#include "core/remind/told_record.h"
#include "test_files.h"

namespace {

constexpr int kHour = 60;

std::time_t At(int year, int month, int day, int hour, int minute) {
  return LocalInstant(CalendarDate(year, month, day, Gregorian).dayNumber, hour * kHour + minute);
}

// A day on 15 December 2026 with one reminder, added on 1 December 2026.
UserDay Day(Repeat repeat, Reminder reminder, const char* stamp = "20261201T000000Z") {
  UserDay day{"uid", "Abebe", "", CalendarDate(2026, 12, 15, Gregorian).dayNumber, repeat, {reminder}, {}};
  std::copy(stamp, stamp + KeptLines::kStampSize, day.kept.stamp.begin());
  return day;
}

struct DueCase {
  const char* what;
  UserDay day;
  RemindSettings settings;
  std::time_t after, through;
  std::vector<std::time_t> due;
};

class RemindRules : public ::testing::Test {
 protected:
  void SetUp() override { setenv("TZ", "Africa/Addis_Ababa", 1); }
};

TEST_F(RemindRules, DueInTheStretchOnly) {
  const Reminder nine{0, 9 * kHour}, weekBefore{7, 18 * kHour};
  const UserDay none = Day(Repeat::kOnce, nine);
  const DueCase cases[] = {
      {"before its minute", Day(Repeat::kOnce, nine), {}, At(2026, 12, 15, 8, 0), At(2026, 12, 15, 8, 59), {}},
      {"at its minute", Day(Repeat::kOnce, nine), {}, At(2026, 12, 15, 8, 0), At(2026, 12, 15, 9, 1), {At(2026, 12, 15, 9, 0)}},
      {"once told", Day(Repeat::kOnce, nine), {}, At(2026, 12, 15, 9, 0), At(2026, 12, 15, 9, 20), {}},
      {"the stretch ends on it", Day(Repeat::kOnce, nine), {}, At(2026, 12, 15, 8, 0), At(2026, 12, 15, 9, 0), {At(2026, 12, 15, 9, 0)}},
      {"a week before", Day(Repeat::kOnce, weekBefore), {}, At(2026, 12, 8, 0, 0), At(2026, 12, 9, 0, 0), {At(2026, 12, 8, 18, 0)}},
      {"the next year's", Day(Repeat::kGregorianYear, nine), {}, At(2027, 12, 15, 0, 0), At(2027, 12, 16, 0, 0), {At(2027, 12, 15, 9, 0)}},
      {"due before it was added", Day(Repeat::kOnce, nine, "20261215T070000Z"), {}, At(2026, 12, 15, 0, 0), At(2026, 12, 16, 0, 0), {}},
      // Tsome Filseta begins on Nehase 1 (7 August 2027); the Gehad of Genna, the last
      // day of Tsome Nebiyat, is no fast of its own to be told of.
      {"the eve of a fast", none, {true, false}, At(2027, 8, 6, 0, 0), At(2027, 8, 7, 0, 0), {At(2027, 8, 6, 18, 0)}},
      {"no fast begins within another", none, {true, false}, At(2027, 1, 5, 12, 0), At(2027, 1, 6, 12, 0), {}},
      {"fasts off", none, {}, At(2027, 8, 6, 0, 0), At(2027, 8, 7, 0, 0), {}},
      {"the eve of Genna", none, {false, true}, At(2027, 1, 6, 0, 0), At(2027, 1, 7, 0, 0), {At(2027, 1, 6, 18, 0)}},
  };
  for (const DueCase& c : cases) {
    std::vector<std::time_t> due;
    for (const DueReminder& reminder : RemindersDue({c.day}, c.settings, c.after, c.through)) due.push_back(reminder.at);
    EXPECT_EQ(due, c.due) << c.what;
  }
  EXPECT_EQ(NextReminder(Day(Repeat::kGregorianYear, nine), At(2026, 12, 15, 9, 0)), At(2027, 12, 15, 9, 0));
}

TEST_F(RemindRules, MissedComeInOneSummary) {
  const std::vector<UserDay> days = {Day(Repeat::kEthiopianMonth, {0, 9 * kHour})};
  const std::time_t now = At(2027, 3, 15, 9, 30);
  const std::vector<Notice> notices = NoticesOf(RemindersDue(days, {}, At(2026, 12, 1, 0, 0), now), days, now, {});
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[0].summary, "Reminders missed: 3");
  EXPECT_EQ(notices[1].summary, "Abebe");
  EXPECT_EQ(notices[1].body, "sagno, Megabit 6, 2019 (Monday, March 15, 2027), today");
}

TEST(ToldRecord, KeptAcrossRuns) {
  ScratchFolder state;
  setenv("XDG_STATE_HOME", state.path.c_str(), 1);
  std::string why;
  EXPECT_FALSE(ToldRecord().ToldThrough());
  EXPECT_TRUE(ToldRecord().Save(1796720460, &why)) << why;
  EXPECT_EQ(ToldRecord().ToldThrough(), 1796720460);
  setenv("XDG_CONFIG_HOME", state.path.c_str(), 1);
  EXPECT_TRUE(SaveRemindSettings({false, true}, &why)) << why;
  EXPECT_FALSE(LoadRemindSettings().fasts);
  EXPECT_TRUE(LoadRemindSettings().feasts);
}

}  // namespace
