#include "gui/clock/clock_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>

#include <cstdio>
#include <string>
#include <utility>

#include "gui/fonts/ethiopic_face.h"
#include "core/locale/ethiopian_time.h"
#include "core/numerals/geez_numerals.h"

#include "core/locale/translation.h"
#include "gui/pictures/app_icon.h"
#include "gui/pictures/images.h"
#include "gui/scaling/growing_window.h"

namespace {

constexpr int kWidth = 258;
constexpr int kHeight = 183;
constexpr int kFaceTop = 50;
constexpr int kFaceSize = 100;
constexpr int kReadingTop = kFaceTop + kFaceSize + 1;
constexpr int kReadingHeight = 24;
constexpr Fl_Fontsize kTextSize = 14;  // the labels' and the readings' at the first size
constexpr int kHabishaLeft = 10;
constexpr int kFarenjiLeft = 135;
constexpr Fl_Color kHandColor = 37;  // step 5 of the grey ramp
const char kPlaceName[] = "clock";

ReckoningClock* MakeFace(int x, const char* label, Fl_Boxtype box, Fl_Image* picture, HourSystem hours) {
  auto* clock = new ReckoningClock(x, kFaceTop, kFaceSize, kFaceSize, label);
  clock->box(box);
  clock->color(FL_GRAY);
  clock->selection_color(kHandColor);
  clock->image(picture);
  clock->labelfont(FL_HELVETICA);
  clock->labelsize(kTextSize);
  clock->labelcolor(FL_BLACK);
  // The picture beside the name leaves a second line for the part of the day.
  clock->align(FL_ALIGN_TOP | FL_ALIGN_IMAGE_NEXT_TO_TEXT);
  clock->hours = hours;
  return clock;
}

Fl_Output* MakeReading(int x, ReckoningClock* face) {
  auto* reading = new Fl_Output(x, kReadingTop, kFaceSize, kReadingHeight);
  face->reader = ClockWindow::CopyReading;
  face->readerData = reading;
  return reading;
}

}  // namespace

ClockWindow::ClockWindow(TextStyle textStyle) : style(textStyle) {
  auto* growing = new GrowingWindow(kWidth, kHeight, Tr("Ethiopian Clock"));
  growing->relayout = [this](double scale) { LayOut(scale); };
  window = growing;
  window->user_data(this);
  window->callback(cb_close, this);
  habishaClock = MakeFace(kHabishaLeft, Tr("Habisha"), FL_BORDER_BOX, &image_flag, HourSystem::kEthiopian);
  habishaText = MakeReading(kHabishaLeft, habishaClock);
  habishaText->box(FL_BORDER_BOX);
  habishaClock->reader = CopyHabishaReading;
  habishaClock->readerData = this;
  if (style.geez) habishaText->textfont(EthiopicFont());
  if (style.language != Language::kEnglish) habishaClock->labelfont(EthiopicFont());
  farenjiClock = MakeFace(kFarenjiLeft, Tr("Farenji"), FL_FLAT_BOX, &image_globe, HourSystem::kWestern);
  farenjiText = MakeReading(kFarenjiLeft, farenjiClock);
  // The faces' rows and columns take the room; the labels above and the
  // readings below keep their height.
  auto* room = new Fl_Box(kHabishaLeft, kFaceTop, kFarenjiLeft + kFaceSize - kHabishaLeft, kFaceSize);
  room->hide();
  window->resizable(room);
  window->size_range(kWidth, kHeight);
  SetAppIcon(window);
  window->end();
  growing->SizeForScreen();
}

ClockWindow::~ClockWindow() { Fl::delete_widget(window); }

ClockWindow::PlaceKeeping ClockWindow::keepPlace = {nullptr, nullptr};

void ClockWindow::Show() {
  if (keepPlace.restore) keepPlace.restore(kPlaceName, window);
  window->show();
}

// The faces keep the room the toolkit gave them across; the labels above
// them and the readings below grow by the window's scale, text and all.
void ClockWindow::LayOut(double scale) {
  const int faceTop = Scaled(kFaceTop, scale);
  const int readingHeight = Scaled(kReadingHeight, scale);
  const int readingTop = window->h() - Scaled(kHeight - kReadingTop, scale);
  const std::pair<ReckoningClock*, Fl_Output*> pairs[] = {{habishaClock, habishaText}, {farenjiClock, farenjiText}};
  for (const auto& [face, reading] : pairs) {
    face->resize(face->x(), faceTop, face->w(), readingTop - 1 - faceTop);
    face->labelsize(Scaled(kTextSize, scale));
    reading->resize(face->x(), readingTop, face->w(), readingHeight);
    reading->textsize(Scaled(kTextSize, scale));
  }
  window->redraw();
}

// Fl_Output rewrites, and so redraws, only the characters that changed.
void ClockWindow::CopyReading(const ReckoningClock* clock, void* text) {
  static_cast<Fl_Output*>(text)->value(TimeText(clock));
}

// The reading has no room for more than the time, so the part of the day
// stands under the face's name above it, changed only when it changes.
void ClockWindow::CopyHabishaReading(const ReckoningClock* clock, void* window) {
  ClockWindow* self = static_cast<ClockWindow*>(window);
  self->habishaText->value(self->style.geez ? GeezTimeText(clock).c_str() : TimeText(clock));
  const std::string label = std::string(Tr("Habisha")) + '\n' +
                            DayPartName(EthiopianTimeOf(clock->localHour).part, self->style.language);
  if (label != self->habishaClock->label()) {
    self->habishaClock->copy_label(label.c_str());
    self->habishaClock->redraw_label();
  }
}

std::string ClockWindow::GeezTimeText(const Fl_Clock_Output* clock) {
  constexpr int kTwelfth = 12;
  const int hour = clock->hour() == 0 ? kTwelfth : clock->hour();
  char rest[16];
  if (std::snprintf(rest, sizeof rest, ":%02d:%02d", clock->minute(), clock->second()) < 0) rest[0] = '\0';
  return GeezNumeral(hour) + rest;
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
  if (keepPlace.save) keepPlace.save(kPlaceName, *static_cast<ClockWindow*>(data)->window);
  window->hide();
  delete static_cast<ClockWindow*>(data);
}

void OpenClockWindow(TextStyle style) { (new ClockWindow(style))->Show(); }
