#include "clock/clock_window.h"

#include <FL/Fl.H>

#include <cstdio>
#include <cstring>
#include <utility>

#include "locale/translation.h"
#include "pictures/app_icon.h"
#include "pictures/images.h"

namespace {

constexpr int kWidth = 258;
constexpr int kHeight = 183;
constexpr int kFaceTop = 50;
constexpr int kFaceSize = 100;
constexpr int kReadingTop = kFaceTop + kFaceSize + 1;
constexpr int kReadingHeight = 24;
constexpr int kHabishaLeft = 10;
constexpr int kFarenjiLeft = 135;
constexpr Fl_Color kHandColor = 37;  // step 5 of the grey ramp
constexpr double kFirstRefresh = 1.0;
constexpr double kRefreshEvery = 0.5;

ReckoningClock* MakeFace(int x, const char* label, Fl_Boxtype box, Fl_Image* picture, HourSystem hours) {
  auto* clock = new ReckoningClock(x, kFaceTop, kFaceSize, kFaceSize, label);
  clock->box(box);
  clock->color(FL_GRAY);
  clock->selection_color(kHandColor);
  clock->image(picture);
  clock->labelfont(FL_HELVETICA);
  clock->labelsize(14);
  clock->labelcolor(FL_BLACK);
  clock->align(FL_ALIGN_TOP);
  clock->hours = hours;
  return clock;
}

}  // namespace

ClockWindow::ClockWindow() {
  window = new Fl_Window(kWidth, kHeight, Tr("Ethiopian Clock"));
  window->user_data(this);
  window->callback(cb_close, this);
  habishaClock = MakeFace(kHabishaLeft, Tr("Habisha"), FL_BORDER_BOX, &image_flag, HourSystem::kEthiopian);
  habishaText = new Fl_Output(kHabishaLeft, kReadingTop, kFaceSize, kReadingHeight);
  habishaText->box(FL_BORDER_BOX);
  farenjiClock = MakeFace(kFarenjiLeft, Tr("Farenji"), FL_FLAT_BOX, &image_globe, HourSystem::kWestern);
  farenjiText = new Fl_Output(kFarenjiLeft, kReadingTop, kFaceSize, kReadingHeight);
  SetAppIcon(window);
  window->end();
}

ClockWindow::~ClockWindow() {
  Fl::remove_timeout(RefreshTimer, this);
  Fl::delete_widget(window);
}

void ClockWindow::Show() {
  Fl::add_timeout(kFirstRefresh, RefreshTimer, this);
  window->show();
}

void ClockWindow::RefreshTimer(void* data) {
  static_cast<ClockWindow*>(data)->RefreshTexts();
  Fl::repeat_timeout(kRefreshEvery, RefreshTimer, data);
}

// A field is rewritten, and so redrawn, only when its face has moved on:
// every other copy finds the same second.
void ClockWindow::RefreshTexts() {
  for (auto [text, clock] : {std::pair{habishaText, habishaClock}, std::pair{farenjiText, farenjiClock}}) {
    const char* reading = TimeText(clock);
    if (std::strcmp(text->value(), reading) != 0) text->value(reading);
  }
}

const char* ClockWindow::TimeText(const Fl_Clock_Output* clock) {
  static char text[16];
  if (std::snprintf(text, sizeof text, "%02d:%02d:%02d", clock->hour(), clock->minute(), clock->second()) < 0) {
    text[0] = '\0';
  }
  return text;
}

// Closing hides the window as usual, then lets it go: nothing else holds it.
void ClockWindow::cb_close(Fl_Widget* window, void* data) {
  window->hide();
  delete static_cast<ClockWindow*>(data);
}

void OpenClockWindow() { (new ClockWindow)->Show(); }
