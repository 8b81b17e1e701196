#include "gui/clock/reckoning_clock.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "core/calendar/clock_source.h"

namespace {

// A tick lands just past the wall clock's second, so the face shows each
// second once, for a whole second, however the timer runs early or late.
constexpr double kPastTheSecond = 0.002;
constexpr double kNanosecond = 1e-9;

double SecondsToNextTick(const std::timespec& now) { return 1.0 - now.tv_nsec * kNanosecond + kPastTheSecond; }

void ArmTimeout(double seconds, Fl_Timeout_Handler handler, void* data) { Fl::add_timeout(seconds, handler, data); }
void CancelTimeout(Fl_Timeout_Handler handler, void* data) { Fl::remove_timeout(handler, data); }

bool LocalTime(const std::timespec& now, std::tm* local) { return localtime_r(&now.tv_sec, local) != nullptr; }

}  // namespace

ReckoningClock::Timer ReckoningClock::timer = {ArmTimeout, CancelTimeout};
std::vector<ReckoningClock*> ReckoningClock::shown;

ReckoningClock::ReckoningClock(int x, int y, int w, int h, const char* label)
    : Fl_Clock_Output(x, y, w, h, label) {}

ReckoningClock::~ReckoningClock() { Leave(); }

void ReckoningClock::SetTime(const std::tm& local) {
  const bool ethiopianHours = hours == HourSystem::kEthiopian;
  localHour = local.tm_hour;
  value(ethiopianHours ? EthiopianHour(local.tm_hour) : local.tm_hour, local.tm_min, local.tm_sec);
  const uchar face = ethiopianHours ? FL_SQUARE_CLOCK : FL_ROUND_CLOCK;
  if (type() != face) {
    type(face);
    redraw();
  }
  if (reader) reader(this, readerData);
}

void ReckoningClock::ShowTime(const std::timespec& now) {
  std::tm local{};
  if (LocalTime(now, &local)) SetTime(local);
}

void ReckoningClock::Tick(void*) {
  const std::timespec now = PreciseClock();
  std::tm local{};
  if (LocalTime(now, &local)) {
    for (ReckoningClock* clock : shown) clock->SetTime(local);
  }
  timer.cancel(Tick, nullptr);
  if (!shown.empty()) timer.arm(SecondsToNextTick(now), Tick, nullptr);
}

// However show and hide events interleave, a face is counted once and one
// tick at most is pending.
void ReckoningClock::Join() {
  if (std::find(shown.begin(), shown.end(), this) != shown.end()) return;
  shown.push_back(this);
  if (shown.size() == 1) {
    Tick(nullptr);
  } else {
    ShowTime(PreciseClock());
  }
}

void ReckoningClock::Leave() {
  shown.erase(std::remove(shown.begin(), shown.end(), this), shown.end());
  if (shown.empty()) timer.cancel(Tick, nullptr);
}

int ReckoningClock::handle(int event) {
  if (event == FL_SHOW) Join();
  if (event == FL_HIDE) Leave();
  return Fl_Clock_Output::handle(event);
}

// Outside the face's square the parent's background shows.
void ReckoningClock::draw() {
  const int side = std::min(w(), h());
  if (w() != h()) {
    fl_rectf(x(), y(), w(), h(), parent() ? parent()->color() : FL_BACKGROUND_COLOR);
  }
  Fl_Clock_Output::draw(x() + (w() - side) / 2, y() + (h() - side) / 2, side, side);
  draw_label();
}
