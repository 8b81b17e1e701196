#include "gui_support.h"

#include <FL/Fl.H>

#include <unistd.h>

#include <cstdio>

#include "clock/clock_window.h"

namespace {

TEST(ReckoningClock, ReadsBothReckonings) {
  const struct {
    int hour, minute, second;
    int ethiopianHour;
  } kTimes[] = {
      {18, 30, 15, 0}, {5, 59, 59, 11}, {6, 0, 0, 0}, {0, 0, 0, 6}, {12, 45, 1, 6}, {23, 59, 59, 5}, {7, 15, 30, 1},
  };
  ReckoningClock clock(0, 0, 100, 100);
  EXPECT_EQ(clock.type(), FL_SQUARE_CLOCK);  // until its first tick
  EXPECT_EQ(clock.hour(), 0);
  for (const auto& t : kTimes) {
    FixClock(2008, 11, 29, t.hour, t.minute, t.second);
    for (int ethiopian : {1, 0}) {
      clock.ethiopian = ethiopian;
      ReckoningClock::Tick(&clock);
      EXPECT_EQ(clock.hour(), ethiopian ? t.ethiopianHour : t.hour) << t.hour << ":" << t.minute;
      EXPECT_EQ(clock.minute(), t.minute);
      EXPECT_EQ(clock.second(), t.second);
      EXPECT_EQ(clock.type(), ethiopian ? FL_SQUARE_CLOCK : FL_ROUND_CLOCK);
    }
  }
  EXPECT_TRUE(Fl::has_timeout(ReckoningClock::Tick, &clock));  // removed by the destructor
}

class ClockWindowTest : public ::testing::Test {
 protected:
  void Open() {
    clocks = new ClockWindow;
    clocks->Show();
    Settle();
  }
  void Tick() {
    ReckoningClock::Tick(clocks->habishaClock);
    ReckoningClock::Tick(clocks->farenjiClock);
  }
  void Close() {
    clocks->window->do_callback();
    Settle();
  }
  ClockWindow* clocks = nullptr;
};

TEST_F(ClockWindowTest, ReadingsFollowTheFaces) {
  FixClock(2008, 11, 29, 5, 59, 59);
  Open();
  EXPECT_STREQ(clocks->window->label(), "Ethiopian Clock");
  EXPECT_STREQ(clocks->habishaText->value(), "");  // nothing until the first refresh
  EXPECT_EQ(clocks->habishaClock->type(), FL_SQUARE_CLOCK);
  EXPECT_EQ(clocks->farenjiClock->type(), FL_ROUND_CLOCK);
  EXPECT_TRUE(Fl::has_timeout(ClockWindow::RefreshTimer, clocks));
  clocks->RefreshTexts();
  EXPECT_STREQ(clocks->habishaText->value(), "11:59:59");
  EXPECT_STREQ(clocks->farenjiText->value(), "05:59:59");
  AdvanceClock(1);
  Tick();
  clocks->RefreshTexts();
  EXPECT_STREQ(clocks->habishaText->value(), "00:00:00");
  EXPECT_STREQ(clocks->farenjiText->value(), "06:00:00");
  Close();
}

TEST_F(ClockWindowTest, HideAndShowKeepOneTickPerClock) {
  FixClock(2008, 11, 29, 18, 30, 14);
  Open();
  for (int i = 0; i < 3; ++i) {
    clocks->window->hide();
    EXPECT_FALSE(Fl::has_timeout(ReckoningClock::Tick, clocks->habishaClock));
    clocks->window->show();
    clocks->habishaClock->handle(FL_SHOW);  // a second show event must not add a tick
    Fl::remove_timeout(ReckoningClock::Tick, clocks->habishaClock);
    EXPECT_FALSE(Fl::has_timeout(ReckoningClock::Tick, clocks->habishaClock));
    clocks->habishaClock->handle(FL_SHOW);
    EXPECT_TRUE(Fl::has_timeout(ReckoningClock::Tick, clocks->habishaClock));
  }
  EXPECT_EQ(clocks->habishaClock->hour(), 0);
  EXPECT_EQ(clocks->farenjiClock->hour(), 18);
  Close();
}

long ResidentKilobytes() {
  long pages = 0, resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST_F(ClockWindowTest, ClosedWindowsLeaveNoTimersOrMemory) {
  FixClock(2008, 11, 29, 12, 0, 0);
  for (int i = 0; i < 20; ++i) {  // warm the toolkit's caches first
    Open();
    Close();
  }
  const long before = ResidentKilobytes();
  for (int i = 0; i < 100; ++i) {
    Open();
    ReckoningClock* faces[] = {clocks->habishaClock, clocks->farenjiClock};
    void* key = clocks;
    Close();
    EXPECT_FALSE(Fl::has_timeout(ClockWindow::RefreshTimer, key));
    for (ReckoningClock* face : faces) EXPECT_FALSE(Fl::has_timeout(ReckoningClock::Tick, face));
  }
#ifndef __SANITIZE_ADDRESS__  // its quarantine holds freed memory; its leak check runs at exit instead
  EXPECT_LT(ResidentKilobytes() - before, 1024) << "kB grown over 100 clock windows";
#else
  (void)before;
#endif
}

}  // namespace
