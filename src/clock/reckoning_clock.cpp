#include "clock/reckoning_clock.h"

#include <FL/Fl.H>

#include "calendar/clock_source.h"

namespace {
constexpr double kTickSeconds = 1.0;
}

ReckoningClock::ReckoningClock(int x, int y, int w, int h, const char* label)
    : Fl_Clock_Output(x, y, w, h, label) {}

ReckoningClock::~ReckoningClock() { Fl::remove_timeout(Tick, this); }

void ReckoningClock::Tick(void* data) {
  auto* clock = static_cast<ReckoningClock*>(data);
  clock->value(static_cast<ulong>(WallClock(nullptr)));
  const bool ethiopianHours = clock->ethiopian == 1;
  if (ethiopianHours) clock->value(EthiopianHour(clock->hour()), clock->minute(), clock->second());
  const uchar face = ethiopianHours ? FL_SQUARE_CLOCK : FL_ROUND_CLOCK;
  if (clock->type() != face) {
    clock->type(face);
    clock->redraw();
  }
  // However show and hide events interleave, one tick at most is pending.
  Fl::remove_timeout(Tick, clock);
  Fl::add_timeout(kTickSeconds, Tick, clock);
}

int ReckoningClock::handle(int event) {
  if (event == FL_SHOW) Tick(this);
  if (event == FL_HIDE) Fl::remove_timeout(Tick, this);
  return Fl_Clock_Output::handle(event);
}
