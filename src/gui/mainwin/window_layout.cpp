// The main window's rows at any size: they grow with the window, text and
// all, by the window's scale; the grid takes the rest of the height.
#include <FL/Fl_Group.H>

#include "gui/mainwin/calendar_ui.h"
#include "gui/mainwin/layout.h"
#include "gui/scaling/growing_window.h"

using namespace layout;

// Where each control of the navigation row stands at the first size, so
// that each later layout starts from it, not from the last.
void CalendarUi::RememberNavigationRow() {
  for (Fl_Widget* widget : std::initializer_list<Fl_Widget*>{last_year, last_month, yesterday, today, month_choice,
                                                             year_input, tomorrow, next_month, next_year}) {
    navigation_places.push_back({widget, widget->x(), widget->w()});
  }
}

void CalendarUi::LayOut(double scale) {
  const int width = main_window->w();
  const double wider = static_cast<double>(width) / kWindowWidth;
  menu_bar->resize(0, 0, width, Scaled(kMenuHeight, scale));
  menu_bar->textsize(Scaled(kMenuLabelSize, scale));
  // The clock and the base switch stay square at the two ends; the date lines take the room between.
  const int top = Scaled(kTopRowY, scale);
  const int side = Scaled(kTopRowHeight, scale);
  mini_clock->parent()->resize(Scaled(kClockX, scale), top, side, side);
  base_button->resize(width - Scaled(kWindowWidth - kBaseButtonX, scale), top, side, side);
  ShowBasePicture();
  const int datesX = Scaled(kDatesX, scale);
  const int datesRight = base_button->x() - Scaled(kBaseButtonX - kDatesX - kDatesWidth, scale);
  dates_output->resize(datesX, top, datesRight - datesX, side);
  FitDateLines(scale);
  // The navigation row spans the width, as at first; its text grows by the scale.
  for (const NavigationPlace& place : navigation_places) {
    const int x = Scaled(place.x, wider);
    place.widget->resize(x, Scaled(kNavRowY, scale), Scaled(place.x + place.width, wider) - x,
                         Scaled(kNavHeight, scale));
    place.widget->labelsize(Scaled(kLabelSize, scale));
  }
  month_choice->textsize(Scaled(kLabelSize, scale));
  year_input->textsize(Scaled(kLabelSize, scale));
  const int gridY = Scaled(kGridY, scale);
  grid->resize(0, gridY, width, main_window->h() - gridY - Scaled(kWindowHeight - kGridY - kGridHeight, scale));
  main_window->redraw();
}

// The picture fills the button as it did at the first size.
void CalendarUi::ShowBasePicture() {
  GrownPicture& picture = base_kind == Gregorian ? globe_picture : flag_picture;
  base_button->image(picture.At(GrowthScale(base_button->w(), base_button->h(), kTopRowHeight, kTopRowHeight)));
}
