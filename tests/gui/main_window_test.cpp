#include "gui_support.h"

#define FL_INTERNALS  // Fl_X: whether the window still waits for its first expose

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <string>
#include <vector>

#include "mainwin/calendar_ui.h"
#include "mainwin/images.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);  // Hdar 20, 2001
    char name[] = "zelmora";
    char* argv[] = {name, nullptr};
    ui.show(1, argv);
    Settle();
  }
  void TearDown() override { ui.main_window->hide(); }

  // Presses and releases the first mouse button over the middle of a widget.
  void Click(Fl_Widget* widget) {
    Fl::e_x = Fl::e_x_root = widget->x() + widget->w() / 2;
    Fl::e_y = Fl::e_y_root = widget->y() + widget->h() / 2;
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    Fl::e_state = FL_BUTTON1;
    Fl::handle(FL_PUSH, ui.main_window);
    Fl::e_state = 0;
    Fl::handle(FL_RELEASE, ui.main_window);
  }
  // What the menu bar does once a person has picked Tool > Holidays.
  void PickHolidays() { MenuBar()->picked(ui.holidays_item); }

  Fl_Menu_Bar* MenuBar() const {
    for (int i = 0; i < ui.main_window->children(); ++i) {
      if (auto* bar = dynamic_cast<Fl_Menu_Bar*>(ui.main_window->child(i))) return bar;
    }
    return nullptr;
  }

  CalendarUi ui;
};

TEST_F(MainWindow, StartsOnTodayWithTheEthiopianBase) {
  EXPECT_STREQ(ui.main_window->label(), "Zelmora Ver.1.5.2");
  EXPECT_EQ(ui.main_window->w(), 350);
  EXPECT_EQ(ui.main_window->h(), 345);
  EXPECT_STREQ(ui.dates_output->value(), " Saturday   November(11) 29, 2008\n   qidame       Hdar( 3) 20, 2001");
  EXPECT_EQ(ui.month_choice->kind, Ethiopian);
  EXPECT_EQ(ui.month_choice->size(), 14);  // 13 months and the terminator
  EXPECT_STREQ(ui.month_choice->text(), "Hdar");
  EXPECT_EQ(ui.year_input->value(), 2001);
  EXPECT_EQ(ui.base_button->image(), &image_flag);
  EXPECT_EQ(ui.mini_clock->ethiopian, 1);
  EXPECT_EQ(ui.days_from_count->value(), 529);   // since 19 June 2007
  EXPECT_EQ(ui.days_until_count->value(), 201);  // until 18 June 2009
  EXPECT_TRUE(ui.show_holidays);
  EXPECT_NE(ui.holidays_item->value(), 0);
}

TEST_F(MainWindow, BaseAndHolidaysSurviveARestart) {
  Click(ui.base_button);
  PickHolidays();
  ASSERT_EQ(ui.base_kind, Gregorian);
  ASSERT_FALSE(ui.show_holidays);
  CalendarUi again;
  again.set_defaults();
  EXPECT_EQ(again.base_kind, Gregorian);
  EXPECT_FALSE(again.show_holidays);
  EXPECT_EQ(again.holidays_item->value(), 0);
}

// Miazia 2016 starts on Tuesday 9 April 2024, Ginbot on Thursday 9 May.
TEST_F(MainWindow, HolidaysRedInTheGridAndNamedInTooltips) {
  ui.date = DatePair(2016, 8, 1, Ethiopian);
  ui.refresh();
  const struct {
    int cell;
    Fl_Color color;
    const char* tooltip;
  } kMiazia[] = {
      {3, FL_RED, "Eid al-Fitr - ዒድ አል ፈጥር (expected)"},
      {4, FL_FOREGROUND_COLOR, nullptr},
      {7, FL_RED, nullptr},  // a Sunday
      {28, FL_RED, "Patriots' Victory Day - የአርበኞች ቀን\nFasika (Easter) - ፋሲካ"},
  };
  for (const auto& day : kMiazia) {
    EXPECT_EQ(ui.grid->cells[day.cell]->primary->textcolor(), day.color) << day.cell;
    EXPECT_EQ(ui.grid->cells[day.cell]->secondary->textcolor(), day.color) << day.cell;
    EXPECT_STREQ(ui.grid->cells[day.cell]->tooltip(), day.tooltip) << day.cell;
  }
  Click(ui.next_month);
  DayCell* rikbeKahnat = ui.grid->cells[24];  // a church day, not a day off
  EXPECT_EQ(rikbeKahnat->primary->textcolor(), FL_FOREGROUND_COLOR);
  EXPECT_STREQ(rikbeKahnat->tooltip(), "Rikbe Kahnat - ርክበ ካህናት");
  EXPECT_EQ(ui.grid->cells[23]->primary->textcolor(), FL_RED);  // Ginbot 20
  PickHolidays();
  for (int i = 0; i < MonthGrid::kCells; ++i) {
    EXPECT_EQ(ui.grid->cells[i]->primary->textcolor(), i % 7 ? FL_FOREGROUND_COLOR : FL_RED) << i;
    EXPECT_EQ(ui.grid->cells[i]->tooltip(), nullptr) << i;
  }
}

TEST_F(MainWindow, BaseToggleSwitchesEveryCalendarWidget) {
  const std::string twoLines = ui.dates_output->value();
  ui.toggle_base();
  EXPECT_EQ(ui.base_kind, Gregorian);
  EXPECT_EQ(ui.month_choice->kind, Gregorian);
  EXPECT_STREQ(ui.month_choice->text(), "November");
  EXPECT_EQ(ui.year_input->value(), 2008);
  EXPECT_EQ(ui.base_button->image(), &image_globe);
  EXPECT_EQ(ui.mini_clock->ethiopian, 0);
  EXPECT_EQ(ui.dates_output->value(), twoLines);  // Gregorian line first in both bases
  ui.base_button->do_callback();
  EXPECT_EQ(ui.base_kind, Ethiopian);
  EXPECT_STREQ(ui.month_choice->text(), "Hdar");
  EXPECT_EQ(ui.dates_output->value(), twoLines);
}

TEST_F(MainWindow, MenuBarOffersOnlyToolAndHelp) {
  Fl_Menu_Bar* bar = MenuBar();
  ASSERT_NE(bar, nullptr);
  std::vector<std::string> shown;
  int depth = 0;
  for (const Fl_Menu_Item* item = bar->menu(); depth >= 0; ++item) {
    if (!item->label()) {
      --depth;
      continue;
    }
    if (depth == 0 && item->visible()) shown.push_back(item->label());
    if (item->submenu()) ++depth;
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Tool", "Help"}));
  EXPECT_NE(bar->find_item("File/Exit"), nullptr);
  EXPECT_NE(bar->find_item("Tool/Output html"), nullptr);
}

TEST_F(MainWindow, DayCountsFollowTheTypedDates) {
  ui.days_from_date->value("2001/3/20");
  ui.days_from_kind->value(Ethiopian);
  ui.days_from_date->do_callback();
  EXPECT_EQ(ui.days_from_count->value(), 0);
  EXPECT_TRUE(ui.days_from_count->active());
  ui.days_until_date->value("2007/2/30");  // counts as 2 March 2007
  ui.days_until_date->do_callback();
  EXPECT_EQ(ui.days_until_count->value(), -638);
  for (const char* notADate : {"", "soon", "2008/13/1", "99999/1/1"}) {
    ui.days_until_date->value(notADate);
    ui.days_until_date->do_callback();
    EXPECT_FALSE(ui.days_until_count->active()) << notADate;
    EXPECT_EQ(ui.days_until_count->value(), 0) << notADate;
  }
}

TEST_F(MainWindow, DayCountStripStaysBelowTheWindowEdge) {
  ui.main_window->resize(ui.main_window->x(), ui.main_window->y(), 700, 690);
  EXPECT_GE(ui.days_from_count->y(), ui.main_window->h());
  EXPECT_EQ(ui.grid->w(), 700);
  EXPECT_GT(ui.grid->cells[0]->primary->textsize(), 23);  // the numbers grow with the cells
}

TEST_F(MainWindow, PaintsTheCurrentDayYellow) {
  // The toolkit draws a new window only after the server's first expose.
  for (int i = 0; i < 500 && Fl_X::i(ui.main_window)->wait_for_expose; ++i) Fl::wait(0.01);
  ui.main_window->redraw();
  Fl::flush();
  XSync(fl_display, False);
  // Hdar 2001 starts on a Monday: cell 20 is the 20th, the current day;
  // cell 0 is hidden and shows the window's grey.
  Fl_Window* window = ui.main_window;
  window->make_current();
  auto pixel = [&](const Fl_Widget* w) {
    uchar rgb[3];
    fl_read_image(rgb, w->x() + 4, w->y() + w->h() - 5, 1, 1);  // below the big number, left of the small
    return (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
  };
  uchar r, g, b;
  Fl::get_color(FL_YELLOW, r, g, b);
  EXPECT_EQ(pixel(ui.grid->cells[20]), (r << 16) | (g << 8) | b);
  Fl::get_color(FL_GRAY, r, g, b);
  EXPECT_EQ(pixel(ui.grid->cells[0]), (r << 16) | (g << 8) | b);
  // Every weekday name fits its column, "maksagno" included.
  for (Fl_Box* heading : ui.grid->headers) {
    fl_font(heading->labelfont(), heading->labelsize());
    EXPECT_LE(fl_width(heading->label()), heading->w()) << heading->label();
  }
  EXPECT_EQ(ui.grid->headers[0]->labelsize(), 14);
}

}  // namespace
