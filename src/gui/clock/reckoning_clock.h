#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Clock.H>

#include <ctime>
#include <vector>

// How a face counts the hours: Western, or Ethiopian (the day counted from
// six o'clock).
enum class HourSystem { kWestern, kEthiopian };

// An analog clock that ticks on the wall clock's second while it is shown, in Western
// hours on a round face or in Ethiopian hours (the day counted from six
// o'clock) on a square face. The face keeps its shape at any size: it is drawn
// in the largest square centred in the widget.
class ReckoningClock : public Fl_Clock_Output {
 public:
  ReckoningClock(int x, int y, int w, int h, const char* label = nullptr);
  ~ReckoningClock() override;

  // Sets the face to the local time of now, in its hours, and tells its reader.
  void ShowTime(const std::timespec& now);
  // The one tick of every shown face: all of them, and their readers, are
  // set from one reading of the clock, so they share one wake-up a second
  // and one flush.
  static void Tick(void* unused);
  int handle(int event) override;

  HourSystem hours = HourSystem::kWestern;
  int localHour = 0;  // [0, 23], the local hour the face was last set to, in either hours
  // Told each time the face is set, to copy its time elsewhere in the same flush.
  void (*reader)(const ReckoningClock* clock, void* data) = nullptr;
  void* readerData = nullptr;

  // How the tick is armed and cancelled: the toolkit's timeouts, or a
  // recorder in tests.
  struct Timer {
    void (*arm)(double seconds, Fl_Timeout_Handler handler, void* data);
    void (*cancel)(Fl_Timeout_Handler handler, void* data);
  };
  static Timer timer;

 protected:
  void draw() override;

 private:
  void SetTime(const std::tm& local);
  void Join();
  void Leave();
  static std::vector<ReckoningClock*> shown;
};

// The hour an Ethiopian clock shows for a local hour in [0, 23]: [0, 11].
constexpr int EthiopianHour(int localHour) { return (localHour + 6) % 12; }
