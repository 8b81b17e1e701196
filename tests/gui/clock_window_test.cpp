#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/calendar/clock_source.h"
#include "gui/clock/clock_window.h"

namespace {

class Clocks : public ::testing::Test {
 protected:
  void SetUp() override {
    pendingTimeouts.clear();
    ReckoningClock::timer = {ArmRecorded, CancelRecorded};
  }
  void TearDown() override {
    if (clocks) Fl::handle(FL_CLOSE, clocks->window);
    Settle();
    ReckoningClock::timer = saved;
  }
  void Open() {
    clocks = new ClockWindow;
    clocks->Show();
    Settle();
  }
  ReckoningClock::Timer saved = ReckoningClock::timer;
  ClockWindow* clocks = nullptr;
};

TEST_F(Clocks, ReadsBothReckonings) {
  const struct {
    int hour, minute, second;
    int ethiopianHour;
    const char* geez;  // the Habisha reading in Ge'ez numerals, which have no zero
  } kTimes[] = {
      {18, 30, 15, 0, "፲፪:30:15"}, {5, 59, 59, 11, "፲፩:59:59"}, {6, 0, 0, 0, "፲፪:00:00"}, {0, 0, 0, 6, "፮:00:00"},
      {12, 45, 1, 6, "፮:45:01"},   {23, 59, 59, 5, "፭:59:59"},  {7, 15, 30, 1, "፩:15:30"},
  };
  ReckoningClock clock(0, 0, 100, 100);
  EXPECT_EQ(clock.type(), FL_SQUARE_CLOCK);  // until it is first set
  EXPECT_EQ(clock.hour(), 0);
  for (const auto& t : kTimes) {
    FixClock(2008, 11, 29, t.hour, t.minute, t.second);
    for (HourSystem hours : {HourSystem::kEthiopian, HourSystem::kWestern}) {
      const bool ethiopian = hours == HourSystem::kEthiopian;
      clock.hours = hours;
      clock.ShowTime(PreciseClock());
      EXPECT_EQ(clock.hour(), ethiopian ? t.ethiopianHour : t.hour) << t.hour << ":" << t.minute;
      EXPECT_EQ(clock.minute(), t.minute);
      EXPECT_EQ(clock.second(), t.second);
      EXPECT_EQ(clock.type(), ethiopian ? FL_SQUARE_CLOCK : FL_ROUND_CLOCK);
      if (ethiopian) {
        EXPECT_EQ(ClockWindow::GeezTimeText(&clock), t.geez) << t.hour;
      }
    }
  }
}

// A timer that runs a little late each time must neither hold a second nor
// skip one: the tick is armed for what is left of the wall clock's second.
// Both faces and both readings move in that one tick, beside the main
// window's small clock: one wake-up a second.
TEST_F(Clocks, OneTickOnTheWallClocksSecond) {
  FixClock(2008, 11, 29, 5, 59, 20, 0.3);
  ReckoningClock small(0, 0, 40, 40);
  small.handle(FL_SHOW);
  Open();
  EXPECT_STREQ(clocks->window->label(), "Ethiopian Clock");
  EXPECT_STREQ(clocks->habishaText->value(), "11:59:20");  // copied as the window opens
  EXPECT_EQ(clocks->habishaClock->type(), FL_SQUARE_CLOCK);
  EXPECT_EQ(clocks->farenjiClock->type(), FL_ROUND_CLOCK);
  for (int second = 21; second < 60; ++second) {
    ASSERT_EQ(pendingTimeouts.size(), 1u);
    RunNextTimeout(0.04);
    ASSERT_EQ(clocks->farenjiClock->second(), second);
    ASSERT_EQ(clocks->habishaClock->second(), second);
    ASSERT_EQ(small.second(), second);
  }
  EXPECT_STREQ(clocks->habishaText->value(), "11:59:59");
  EXPECT_STREQ(clocks->habishaClock->label(), "Habisha\nnight");  // the part of the day, as now names it
  EXPECT_STREQ(clocks->farenjiText->value(), "05:59:59");
  RunNextTimeout(0.0);
  EXPECT_STREQ(clocks->habishaText->value(), "00:00:00");
  EXPECT_STREQ(clocks->habishaClock->label(), "Habisha\nmorning");
  EXPECT_STREQ(clocks->farenjiText->value(), "06:00:00");
}

TEST_F(Clocks, HideAndShowKeepOneTick) {
  FixClock(2008, 11, 29, 18, 30, 14);
  {
    ReckoningClock unshown(0, 0, 40, 40);
    Open();
    for (int i = 0; i < 3; ++i) {
      clocks->window->hide();
      EXPECT_TRUE(pendingTimeouts.empty());
      clocks->window->show();
      clocks->habishaClock->handle(FL_SHOW);  // a second show event must not add a tick
      EXPECT_EQ(pendingTimeouts.size(), 1u);
    }
  }
  EXPECT_EQ(pendingTimeouts.size(), 1u);  // a face that was never shown takes nothing with it
  EXPECT_EQ(clocks->habishaClock->hour(), 0);
  EXPECT_EQ(clocks->farenjiClock->hour(), 18);
}

// The extent of the pure black pixels along the row and the column through
// (cx, cy), within a square a pixel wider than side each way (the face's
// centre falls between pixels).
struct Extent {
  int across, down;
};
Extent Outline(Fl_Window* window, int cx, int cy, int side) {
  const int reach = side / 2 + 1, width = 2 * reach + 1;
  const std::vector<int> colours = DrawnColours(window, cx - reach, cy - reach, width, width);
  auto span = [&](int first, int step) {
    int low = -1, high = -1;
    for (int i = 0; i < width; ++i) {
      if (colours[first + i * step] != 0) continue;
      if (low < 0) low = i;
      high = i;
    }
    return high - low;
  };
  return {span(reach * width, 1), span(reach, width)};
}

// Resized through the X server, as a window manager would, the window gives
// the room to the faces, less what the labels and readings grow by the
// window's scale (the smaller of its growths), and the round face stays round.
TEST_F(Clocks, ResizedFacesStayRound) {
  FixClock(2008, 11, 29, 12, 0, 0);
  Open();
  Fl_Window* window = clocks->window;
  const struct {
    int w, h, side;  // the window's size, the face's side
    Fl_Fontsize textSize;
  } kSizes[] = {{258, 183, 100, 14}, {600, 220, 121, 17}, {300, 500, 119, 16}, {516, 366, 201, 28}};
  for (const auto& size : kSizes) {
    XResizeWindow(fl_display, fl_xid(window), size.w, size.h);
    XSync(fl_display, False);
    for (int i = 0; i < 100 && (window->w() != size.w || window->h() != size.h); ++i) Fl::wait(0.01);
    Fl::wait(0.05);  // the first size: until the window is mapped
    ASSERT_EQ(window->w(), size.w);
    const ReckoningClock* face = clocks->farenjiClock;
    const int side = std::min(face->w(), face->h());
    EXPECT_EQ(side, size.side) << size.w << "x" << size.h;
    EXPECT_EQ(clocks->farenjiText->textsize(), size.textSize) << size.w << "x" << size.h;
    EXPECT_EQ(face->labelsize(), size.textSize) << size.w << "x" << size.h;
    EXPECT_EQ(clocks->farenjiText->y(), face->y() + face->h() + 1) << size.w << "x" << size.h;
    EXPECT_LE(clocks->farenjiText->y() + clocks->farenjiText->h(), size.h) << size.w << "x" << size.h;
    const Extent outline = Outline(window, face->x() + face->w() / 2, face->y() + face->h() / 2, side);
    EXPECT_NEAR(outline.across, outline.down, 1) << size.w << "x" << size.h;
    EXPECT_GE(outline.across, side - 3);
  }
}

// Bytes the heap has handed out and not had back. Unlike the resident size it
// does not move with the allocator's free lists or the X server's buffers.
long long HeapInUse() { return static_cast<long long>(mallinfo2().uordblks); }

TEST_F(Clocks, ClosedWindowsLeaveNoTimersOrMemory) {
  FixClock(2008, 11, 29, 12, 0, 0);
  auto openAndClose = [this] {
    Open();
    Fl::handle(FL_CLOSE, clocks->window);
    clocks = nullptr;
    Settle();
    EXPECT_TRUE(pendingTimeouts.empty());
  };
  for (int i = 0; i < 20; ++i) openAndClose();  // warm the toolkit's caches first
  const long long closed = HeapInUse();
  Open();
  const long long oneWindow = HeapInUse() - closed;
  Fl::handle(FL_CLOSE, clocks->window);
  clocks = nullptr;
  Settle();
  constexpr int kWindows = 100;
  const long long before = HeapInUse();
  for (int i = 0; i < kWindows; ++i) openAndClose();
#ifndef __SANITIZE_ADDRESS__  // its quarantine holds freed memory; its leak check runs at exit instead
  // Windows kept after closing would grow the heap by oneWindow each; a tenth
  // of them is far above the allocator's own noise.
  EXPECT_LT(HeapInUse() - before, oneWindow * kWindows / 10)
      << "bytes grown over " << kWindows << " clock windows of " << oneWindow << " bytes each";
#else
  (void)before;
  (void)oneWindow;
#endif
}

}  // namespace
