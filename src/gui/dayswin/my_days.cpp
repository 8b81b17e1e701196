#include "gui/dayswin/my_days.h"

#include <FL/Fl.H>

#include <utility>

namespace {

// To the right of owner, else to its left, else where the window manager puts it.
void PlaceBeside(Fl_Window* window, const Fl_Window* owner) {
  constexpr int kGap = 10;
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, owner->x(), owner->y());
  const int right = owner->x() + owner->w() + kGap;
  const int left = owner->x() - kGap - window->w();
  if (right + window->w() <= sx + sw) {
    window->position(right, owner->y());
  } else if (left >= sx) {
    window->position(left, owner->y());
  }
}

}  // namespace

MyDays::MyDays(std::function<void()> onChange, std::function<void(int32_t)> onPick)
    : changed(std::move(onChange)), go(std::move(onPick)) {}

MyDays::~MyDays() {
  Fl::remove_timeout(cb_start, this);
  delete dialog;
  delete listWindow;
}

void MyDays::Start() { Fl::add_timeout(0.0, cb_start, this); }

void MyDays::cb_start(void* data) {
  auto* days = static_cast<MyDays*>(data);
  days->keeper.Start([days] { days->Changed(); });
  if (!days->Days().empty()) days->Changed();  // with none, the window stays as drawn
}

void MyDays::OpenDay(DatePair date, TextStyle style, const Fl_Window* owner) {
  if (!dialog) PlaceBeside(dialog = new DayDialog(keeper), owner);
  dialog->Open(date, style);
}

void MyDays::OpenList(int32_t today, TextStyle style, const Fl_Window* owner) {
  if (!listWindow) PlaceBeside(listWindow = new DaysListWindow(keeper, go), owner);
  listWindow->Open(today, style);
}

void MyDays::Restyle(TextStyle style) {
  if (dialog && dialog->visible()) dialog->Restyle(style);
  if (listWindow && listWindow->visible()) listWindow->Restyle(style);
}

void MyDays::Changed() {
  if (dialog && dialog->visible()) dialog->ShowDays();
  if (listWindow && listWindow->visible()) listWindow->ShowDays();
  if (changed) changed();
}
