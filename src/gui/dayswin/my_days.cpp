#include "gui/dayswin/my_days.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <utility>

namespace {

// To the right of owner, else to its left; on a screen with room for both
// side by side but not where owner stands, owner moves over so that both
// fit; else below owner, else where the window manager puts it. A shown
// window stays where the user has it.
void PlaceBeside(Fl_Window* window, Fl_Window* owner) {
  if (window->shown()) return;
  constexpr int kGap = 10;  // wider than a window manager's frame
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, owner->x(), owner->y());
  const int right = owner->x() + owner->w() + kGap;
  const int left = owner->x() - kGap - window->w();
  const int both = owner->w() + kGap + window->w();
  if (right + window->w() <= sx + sw) {
    window->position(right, owner->y());
  } else if (left >= sx) {
    window->position(left, owner->y());
  } else if (both <= sw) {
    owner->position(sx + sw - both, owner->y());
    window->position(owner->x() + owner->w() + kGap, owner->y());
  } else if (owner->y() + owner->h() + kGap + window->h() <= sy + sh) {
    window->position(owner->x(), owner->y() + owner->h() + kGap);
  }
}

// A shown window kept above owner by the window manager.
void KeepAbove(Fl_Window* window, const Fl_Window* owner) {
  XSetTransientForHint(fl_display, fl_xid(window), fl_xid(owner));
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

void MyDays::OpenDay(DatePair date, TextStyle style, Fl_Window* owner) {
  if (!dialog) dialog = new DayDialog(keeper);
  PlaceBeside(dialog, owner);
  dialog->Open(date, style);
  KeepAbove(dialog, owner);
}

void MyDays::OpenList(int32_t today, TextStyle style, Fl_Window* owner) {
  if (!listWindow) listWindow = new DaysListWindow(keeper, go);
  PlaceBeside(listWindow, owner);
  listWindow->Open(today, style);
  KeepAbove(listWindow, owner);
}

void MyDays::Follow(DatePair date) {
  if (dialog) dialog->Follow(date);
}

bool MyDays::Close() {
  if (dialog && dialog->visible() && !dialog->MayLeave()) return false;
  if (dialog) dialog->hide();
  if (listWindow) listWindow->hide();
  return true;
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
