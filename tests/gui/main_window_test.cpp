// The main window as it starts and as it grows: its first state, its size
// and text at every size, the menu bar, the choices it remembers and the day
// counts behind the rows.
#include "main_window_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/identity/zelmora_version.h"
#include "gui/clock/clock_window.h"
#include "gui/pictures/images.h"

namespace {

using gui_fixtures::MainWindow;

// Which pixels of the window's rectangle are dark as text, as drawn.
std::vector<std::vector<bool>> Ink(Fl_Window* window, int x, int y, int w, int h) {
  constexpr int kDark = 96;  // below this in each primary the pixel is text or an arrow
  const std::vector<int> colours = DrawnColours(window, x, y, w, h);
  std::vector<std::vector<bool>> rows(h, std::vector<bool>(w));
  for (int i = 0; i < w * h; ++i) rows[i / w][i % w] = std::max({colours[i] >> 16, colours[i] >> 8 & 0xff, colours[i] & 0xff}) < kDark;
  return rows;
}
// Of a widget's middle half, its box's edges left out.
std::vector<std::vector<bool>> Ink(Fl_Widget* widget, int x, int w) {
  return Ink(widget->window(), x, widget->y() + widget->h() / 4, w, widget->h() / 2);
}

// The widest run of dark pixels in a row: the top edge of the chooser's arrow.
int WidestRun(const std::vector<std::vector<bool>>& rows) {
  int widest = 0;
  for (const auto& row : rows) {
    for (std::size_t i = 0, run = 0; i < row.size(); ++i) widest = std::max<int>(widest, run = row[i] ? run + 1 : 0);
  }
  return widest;
}

// The widest gap between dark columns up to the last: on the menu bar, between its titles.
int WidestGap(const std::vector<std::vector<bool>>& rows) {
  std::vector<bool> empty(rows[0].size(), true);
  for (const auto& row : rows) std::transform(row.begin(), row.end(), empty.begin(), empty.begin(), [](bool dark, bool was) { return was && !dark; });
  empty.erase(std::find(empty.rbegin(), empty.rend(), false).base(), empty.end());
  return WidestRun({empty});
}

// With the menu bar's first menu open (gap at kMenuClosed), Right opens
// Help, which the menu's loop shows on its next turn; then the widest gap in
// its items' ink (the box's edges left out), between "Help Contents" and
// its key, and Escape.
constexpr int kMenuClosed = -2, kHelpAsked = -1;
void MeasureHelpMenu(void* data) {
  int& gap = *static_cast<int*>(data);
  if (gap == kMenuClosed) {
    gap = kHelpAsked;
    TypeKey(Fl::grab(), FL_Right);
    return Fl::add_idle(MeasureHelpMenu, data);
  }
  if (gap++ == kHelpAsked) return;  // this turn of the loop ran the key
  Fl::remove_idle(MeasureHelpMenu, data);
  Fl_Window* items = nullptr;  // the tallest of the menu's windows: the title's is as high as the bar
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
    if (dynamic_cast<Fl_Menu_Window*>(w) && (!items || w->h() > items->h())) items = w;
  }
  constexpr int kEdge = 3;
  if (items) gap = WidestGap(Ink(items, kEdge, kEdge, items->w() - 2 * kEdge, items->h() - 2 * kEdge));
  TypeKey(Fl::grab(), FL_Escape);
}

// The window grows but does not shrink; at any size from the smallest up,
// the menu, the rows and their text grow by the window's scale (the smaller
// of its two growths, never below 1), the grid takes the rest (the day-count
// strip stays out of sight), and every text shows whole.
TEST_F(MainWindow, ResizingGrowsRowsAndTextAndKeepsThemWhole) {
  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(fl_display, fl_xid(ui.main_window), &hints, &supplied));
  EXPECT_TRUE(hints.flags & PMinSize);
  EXPECT_EQ(hints.min_width, 350);
  EXPECT_EQ(hints.min_height, 345);
  EXPECT_TRUE(!(hints.flags & PMaxSize) || hints.max_width > 350);
  const struct {
    int w, h;
    int menuHeight, rowHeight, textSize, headingHeight, flagWidth;
  } kSizes[] = {
      {350, 345, 20, 24, 14, 16, 32},  {350, 1000, 20, 24, 14, 16, 32}, {1000, 345, 20, 24, 14, 16, 32},
      {800, 600, 35, 42, 24, 28, 56},  {1000, 900, 52, 63, 37, 42, 83}, {1280, 1000, 58, 70, 41, 46, 93},
  };
  const Fl_Fontsize firstDatesSize = ui.dates_output->textsize();
  int firstArrow = 0, firstGap = 0, firstKeyGap = 0;
  for (const auto& s : kSizes) {
    ui.main_window->resize(0, 0, s.w, s.h);  // all of it that is read on the screen
    ui.main_window->redraw();
    Fl::flush();
    const std::string size = std::to_string(s.w) + "x" + std::to_string(s.h);
    // The chooser's arrow, the gaps between the menu's titles and before Help Contents' key, and the flag grow with the text.
    const int arrow = WidestRun(Ink(ui.month_choice, ui.month_choice->x() + ui.month_choice->w() - ui.month_choice->h(), ui.month_choice->h()));
    const int gap = WidestGap(Ink(MenuBar(), 0, MenuBar()->w() / 2));  // the titles, short of the box's dark edge
    int keyGap = kMenuClosed;
    WhenModal(MeasureHelpMenu, &keyGap);
    ClickAt(MenuBar(), MenuBar()->h() / 2, MenuBar()->h() / 2);  // on Tool
    if (!firstArrow) firstArrow = arrow, firstGap = gap, firstKeyGap = keyGap;
    EXPECT_NEAR(arrow, firstArrow * s.rowHeight / 24.0, 2) << size;
    EXPECT_NEAR(gap, firstGap * s.textSize / 14.0, 3) << size;
    EXPECT_NEAR(keyGap, firstKeyGap * s.textSize / 14.0, 2) << size;
    EXPECT_EQ(ui.base_button->image()->w(), s.flagWidth) << size;
    EXPECT_EQ(MenuBar()->h(), s.menuHeight) << size;
    EXPECT_EQ(MenuBar()->textsize(), s.textSize) << size;
    EXPECT_EQ(ui.today->h(), s.rowHeight) << size;
    EXPECT_EQ(ui.today->labelsize(), s.textSize) << size;
    EXPECT_EQ(ui.year_input->textsize(), s.textSize) << size;
    EXPECT_EQ(ui.grid->headers[0]->h(), s.headingHeight) << size;
    EXPECT_EQ(ui.base_button->w(), ui.base_button->h()) << size;
    EXPECT_LE(ui.base_button->x() + ui.base_button->w(), s.w) << size;
    EXPECT_GE(ui.dates_output->textsize(), firstDatesSize) << size;
    EXPECT_GE(ui.grid->y() + ui.grid->h(), s.h - 4);
    EXPECT_EQ(ui.grid->w(), s.w);
    EXPECT_GE(ui.days_from_count->y(), s.h);
    fl_font(ui.today->labelfont(), ui.today->labelsize());
    EXPECT_LE(fl_width(ui.today->label()), ui.today->w()) << size;
    fl_font(ui.dates_output->textfont(), ui.dates_output->textsize());
    EXPECT_LE(fl_width(CalendarDate(10000, 1, 1, Gregorian).Text().c_str()), ui.dates_output->w()) << size;
    for (const DayCell* cell : ui.grid->cells) {
      if (!cell->visible()) continue;
      for (const Fl_Output* field : {cell->primary, cell->secondary}) {
        fl_font(field->textfont(), field->textsize());
        EXPECT_LE(fl_width(DayCell::kWidestNumber), field->w() - DayCell::kTextInsets) << size;
      }
    }
  }
  EXPECT_GT(ui.grid->cells[0]->primary->textsize(), 23);  // the numbers grow with the cells
  // In Amharic the date lines keep the Ethiopic face at any size.
  MenuBar()->picked(ui.amharic_item);
  const Fl_Font face = ui.dates_output->textfont();
  EXPECT_NE(face, FL_COURIER);
  ui.main_window->resize(ui.main_window->x(), ui.main_window->y(), 700, 690);
  EXPECT_EQ(ui.dates_output->textfont(), face);
  MenuBar()->picked(ui.amharic_item);
}

// The start state, then every calendar widget follows the base switch.
TEST_F(MainWindow, StartsOnTodayWithTheEthiopianBase) {
  EXPECT_STREQ(ui.main_window->label(), kVersionText);
  EXPECT_EQ(ui.main_window->w(), 350);
  EXPECT_EQ(ui.main_window->h(), 345);
  const std::string twoLines = " Saturday   November(11) 29, 2008\n   qidame       Hdar( 3) 20, 2001";
  EXPECT_EQ(ui.dates_output->value(), twoLines);
  EXPECT_EQ(ui.month_choice->kind, Ethiopian);
  EXPECT_EQ(ui.month_choice->size(), 14);  // 13 months and the terminator
  EXPECT_STREQ(ui.month_choice->text(), "Hdar");
  EXPECT_EQ(ui.year_input->value(), 2001);
  EXPECT_EQ(ui.base_button->image(), &image_flag);
  EXPECT_EQ(ui.mini_clock->hours, HourSystem::kEthiopian);
  EXPECT_EQ(ui.days_from_count->value(), 529);   // since 19 June 2007
  EXPECT_EQ(ui.days_until_count->value(), 201);  // until 18 June 2009
  EXPECT_TRUE(ui.show_holidays);
  EXPECT_NE(ui.holidays_item->value(), 0);
  const struct {
    const Fl_Widget* button;
    const char* tooltip;
  } kTooltips[] = {{ui.last_year, "Last year"}, {ui.last_month, "Last month"}, {ui.yesterday, "Yesterday"},
                   {ui.today, "Go to today"},   {ui.tomorrow, "Tomorrow"},        {ui.next_month, "Next month"},
                   {ui.next_year, "Next year"}, {ui.base_button, "Change base calendar"}};
  for (const auto& t : kTooltips) EXPECT_STREQ(t.button->tooltip(), t.tooltip);
  Click(ui.base_button);
  EXPECT_EQ(ui.base_kind, Gregorian);
  EXPECT_EQ(ui.month_choice->kind, Gregorian);
  EXPECT_STREQ(ui.month_choice->text(), "November");
  EXPECT_EQ(ui.year_input->value(), 2008);
  EXPECT_EQ(ui.base_button->image(), &image_globe);
  EXPECT_EQ(ui.mini_clock->hours, HourSystem::kWestern);
  EXPECT_EQ(ui.dates_output->value(), twoLines);  // Gregorian line first in both bases
}

// Each remembered choice alone across a restart, made with the control a
// person uses: the others keep their first-run values.
TEST_F(MainWindow, EachChoiceAloneSurvivesARestart) {
  Fl_Menu_Item* CalendarUi::*const kItems[] = {&CalendarUi::holidays_item, &CalendarUi::fasts_item,
                                               &CalendarUi::saints_item, &CalendarUi::amharic_item,
                                               &CalendarUi::geez_item};
  const auto remembered = [&](const CalendarUi& shown) {
    std::vector<int> values{KindIndex(shown.base_kind)};
    for (const auto item : kItems) values.push_back((shown.*item)->value() != 0);
    return values;
  };
  const std::vector<int> firstRun = remembered(ui);
  for (std::size_t changed = 0; changed < firstRun.size(); ++changed) {
    if (changed == 0) {
      Click(ui.base_button);
    } else {
      MenuBar()->picked(ui.*kItems[changed - 1]);
    }
    std::vector<int> expected = firstRun;
    expected[changed] = changed == 0 ? KindIndex(Gregorian) : !firstRun[changed];
    CalendarUi again;
    again.set_defaults();
    EXPECT_EQ(remembered(again), expected) << "choice " << changed;
    std::filesystem::remove_all(std::string(getenv("HOME")) + "/.fltk");
    ui.set_defaults();
    ui.refresh();
  }
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

// The day-count strip lies out of sight below the rows, where no click or
// key reaches it (what it reads is the core's); every command counts again
// from what it holds, and text that names no day greys the count out.
TEST_F(MainWindow, DayCountsFollowEveryCommand) {
  ui.days_from_kind->value(KindIndex(Ethiopian));
  ui.days_from_date->value("2001/3/21");
  ui.days_until_date->value("soon");
  Click(ui.tomorrow);
  EXPECT_EQ(ui.days_from_count->value(), 0);
  EXPECT_TRUE(ui.days_from_count->active());
  EXPECT_EQ(ui.days_until_count->value(), 0);
  EXPECT_FALSE(ui.days_until_count->active());
  ui.days_until_date->value("2007/2/30");  // counts as 2 March 2007
  Click(ui.yesterday);
  EXPECT_EQ(ui.days_until_count->value(), -638);
  EXPECT_TRUE(ui.days_until_count->active());
}

// Both date lines fit their box whole, the longest names and five-digit
// years included.
TEST_F(MainWindow, DateLinesFitTheirBox) {
  const DatePair kLongest[] = {
      DatePair(2026, 9, 23, Gregorian),   // Wednesday September
      DatePair(10007, 9, 29, Gregorian),  // a five-digit year
      DatePair(9999, 1, 3, Ethiopian),    // maksagno Meskerem
  };
  const int room = ui.dates_output->w() - Fl::box_dw(ui.dates_output->box()) - 6;
  for (const DatePair& day : kLongest) {
    ui.date = day;
    ui.refresh();
    const std::string text = ui.dates_output->value();
    fl_font(ui.dates_output->textfont(), ui.dates_output->textsize());
    for (const std::string& line : {text.substr(0, text.find('\n')), text.substr(text.find('\n') + 1)}) {
      EXPECT_LE(fl_width(line.c_str()), room) << line;
    }
    EXPECT_LE(2 * fl_height(), ui.dates_output->h() - Fl::box_dh(ui.dates_output->box()));
  }
}

// The main window's and the clock's size and place come back at the next
// start; a place off every screen gives back the size alone.
TEST_F(MainWindow, SizeAndPlaceKept) {
  const struct {
    int x, y;
    bool placed;
  } kPlaces[] = {{50, 60, true}, {5000, 60, false}};
  for (const auto& p : kPlaces) {
    ui.main_window->resize(p.x, p.y, 540, 601);
    Fl::handle(FL_CLOSE, ui.main_window);
    CalendarUi again;
    ShowMainWindow(again);
    const Fl_Window& shown = *again.main_window;
    EXPECT_EQ(shown.w() * 1000 + shown.h(), 540601) << p.x;
    EXPECT_EQ(shown.x() == p.x && shown.y() == p.y, p.placed) << shown.x() << "," << shown.y();
    again.main_window->hide();
    ui.main_window->show();
  }
  for (const bool closed : {false, true}) {
    OpenClockWindow();
    Settle();
    Fl_Window* clock = ShownWindow("Ethiopian Clock");
    ASSERT_NE(clock, nullptr);
    if (closed) {
      EXPECT_EQ(clock->x() * 1000 + clock->y(), 70080);
      EXPECT_EQ(clock->w() * 1000 + clock->h(), 300220);
    }
    clock->resize(70, 80, 300, 220);
    Fl::handle(FL_CLOSE, clock);
    Settle();
  }
}

}  // namespace
