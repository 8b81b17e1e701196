#include "clock/reckoning_clock.h"

#include <FL/Fl.H>

#include "calendar/clock_source.h"

namespace {

// A tick lands just past the wall clock's second, so the face shows each
// second once, for a whole second, however the timer runs early or late.
constexpr double kPastTheSecond = 0.002;
constexpr double kNanosecond = 1e-9;

double SecondsToNextTick(const std::timespec& now) { return 1.0 - now.tv_nsec * kNanosecond + kPastTheSecond; }

void ArmTimeout(double seconds, Fl_Timeout_Handler handler, void* data) { Fl::add_timeout(seconds, handler, data); }
void CancelTimeout(Fl_Timeout_Handler handler, void* data) { Fl::remove_timeout(handler, data); }

}  // namespace

ReckoningClock::Timer ReckoningClock::timer = {ArmTimeout, CancelTimeout};

ReckoningClock::ReckoningClock(int x, int y, int w, int h, const char* label)
    : Fl_Clock_Output(x, y, w, h, label) {}

ReckoningClock::~ReckoningClock() { timer.cancel(Tick, this); }

void ReckoningClock::Tick(void* data) {
  auto* clock = static_cast<ReckoningClock*>(data);
  const std::timespec now = PreciseClock();
  clock->value(static_cast<ulong>(now.tv_sec));
  const bool ethiopianHours = clock->hours == HourSystem::kEthiopian;
  if (ethiopianHours) clock->value(EthiopianHour(clock->hour()), clock->minute(), clock->second());
  const uchar face = ethiopianHours ? FL_SQUARE_CLOCK : FL_ROUND_CLOCK;
  if (clock->type() != face) {
    clock->type(face);
    clock->redraw();
  }
  // However show and hide events interleave, one tick at most is pending.
  timer.cancel(Tick, clock);
  timer.arm(SecondsToNextTick(now), Tick, clock);
}

int ReckoningClock::handle(int event) {
  if (event == FL_SHOW) Tick(this);
  if (event == FL_HIDE) timer.cancel(Tick, this);
  return Fl_Clock_Output::handle(event);
}
