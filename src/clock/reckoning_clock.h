#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Clock.H>

// How a face counts the hours: Western, or Ethiopian (the day counted from
// six o'clock).
enum class HourSystem { kWestern, kEthiopian };

// An analog clock that ticks on the wall clock's second while it is shown, in Western
// hours on a round face or in Ethiopian hours (the day counted from six
// o'clock) on a square face.
class ReckoningClock : public Fl_Clock_Output {
 public:
  ReckoningClock(int x, int y, int w, int h, const char* label = nullptr);
  ~ReckoningClock() override;

  static void Tick(void* clock);
  int handle(int event) override;

  HourSystem hours = HourSystem::kWestern;

  // How ticks are armed and cancelled: the toolkit's timeouts, or a
  // recorder in tests.
  struct Timer {
    void (*arm)(double seconds, Fl_Timeout_Handler handler, void* data);
    void (*cancel)(Fl_Timeout_Handler handler, void* data);
  };
  static Timer timer;
};

// The hour an Ethiopian clock shows for a local hour in [0, 23]: [0, 11].
constexpr int EthiopianHour(int localHour) { return (localHour + 6) % 12; }
