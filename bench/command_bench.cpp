// One command of the main window with its full refresh and redraw, measured
// in the real window under Xvfb (run it with xvfb-run), the display opened and
// its events read as the program does.
#include <benchmark/benchmark.h>

#include <FL/Fl.H>
#include <FL/x.H>

#include "gui/mainwin/calendar_ui.h"
#include "gui/desktop/display_without_input_method.h"

namespace {

CalendarUi* ui = nullptr;

void RunCommand(benchmark::State& state, Fl_Widget* control) {
  for (auto _ : state) {
    control->do_callback();
    Fl::check();  // the redraw that refresh asked for, then the X events it brought
  }
  ui->today->do_callback();
}

void BM_Tomorrow(benchmark::State& state) { RunCommand(state, ui->tomorrow); }
void BM_NextMonth(benchmark::State& state) { RunCommand(state, ui->next_month); }
void BM_ToggleBase(benchmark::State& state) { RunCommand(state, ui->base_button); }
BENCHMARK(BM_Tomorrow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextMonth)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ToggleBase)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  OpenDisplayWithoutInputMethod();
  CalendarUi window;
  ui = &window;
  char name[] = "zelmora";
  char* args[] = {name, nullptr};
  window.show(1, args);
  for (int i = 0; i < 20; ++i) Fl::wait(0.01);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
