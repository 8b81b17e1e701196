#include "gui_support.h"

#define FL_INTERNALS  // Fl_X: whether the window still waits for its first expose

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "about/about_window.h"
#include "bahire/bahire_hasab_window.h"
#include "clock/clock_window.h"
#include "fonts/ethiopic_face.h"
#include "identity/zelmora_version.h"
#include "mainwin/calendar_ui.h"
#include "mainwin/settings.h"
#include "pictures/images.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);  // Hdar 20, 2001
    pendingTimeouts.clear();
    CalendarUi::midnightTimer = {ArmRecorded, CancelRecorded};
    ShowMainWindow(ui);
  }
  void TearDown() override {
    ui.main_window->hide();
    CalendarUi::midnightTimer = realTimer;
  }

  void TabTo(Fl_Widget* target) {
    for (int i = 0; i < 20 && Fl::focus() != target; ++i) TypeKey(ui.main_window, FL_Tab);
    ASSERT_EQ(Fl::focus(), target);
  }
  // What the menu bar does once a person has picked Tool > Holidays.
  void PickHolidays() { MenuBar()->picked(ui.holidays_item); }

  Fl_Menu_Bar* MenuBar() const { return MenuBarOf(ui.main_window); }

  const ReckoningClock::Timer realTimer = CalendarUi::midnightTimer;
  CalendarUi ui;
};

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
    int menuHeight, rowHeight, textSize, headingHeight;
  } kSizes[] = {
      {350, 345, 20, 24, 14, 16},  {350, 1000, 20, 24, 14, 16}, {1000, 345, 20, 24, 14, 16},
      {800, 600, 35, 42, 24, 28},  {1000, 900, 52, 63, 37, 42}, {1280, 1000, 58, 70, 41, 46},
  };
  const Fl_Fontsize firstDatesSize = ui.dates_output->textsize();
  for (const auto& s : kSizes) {
    ui.main_window->resize(ui.main_window->x(), ui.main_window->y(), s.w, s.h);
    ui.main_window->redraw();
    Fl::flush();
    const std::string size = std::to_string(s.w) + "x" + std::to_string(s.h);
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

// The colours at (x, y) and the three pixels below it, as drawn (the
// toolkit draws a new window only after the server's first expose).
std::vector<int> Pixels(Fl_Window* window, int x, int y) {
  for (int i = 0; i < 500 && Fl_X::i(window)->wait_for_expose; ++i) Fl::wait(0.01);
  window->redraw();
  Fl::flush();
  XSync(fl_display, False);
  window->make_current();
  uchar rgb[4 * 3];
  fl_read_image(rgb, x, y, 1, 4);
  std::vector<int> colours;
  for (int i = 0; i < 4; ++i) colours.push_back((rgb[3 * i] << 16) | (rgb[3 * i + 1] << 8) | rgb[3 * i + 2]);
  return colours;
}

std::vector<int> Solid(Fl_Color colour) {
  uchar r, g, b;
  Fl::get_color(colour, r, g, b);
  return std::vector<int>(4, (r << 16) | (g << 8) | b);
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
      {24, FL_RED, "International Labour Day - የሠራተኞች ቀን\nGiyorgis (Saint George) - ሚያዝያ ጊዮርጊስ"},  // a day off wins
      {28, FL_RED, "Patriots' Victory Day - የአርበኞች ቀን\nFasika (Easter) - ፋሲካ"},
  };
  for (const auto& day : kMiazia) {
    EXPECT_EQ(ui.grid->cells[day.cell]->primary->textcolor(), day.color) << day.cell;
    EXPECT_EQ(ui.grid->cells[day.cell]->secondary->textcolor(), day.color) << day.cell;
    EXPECT_STREQ(ui.grid->cells[day.cell]->tooltip(), day.tooltip) << day.cell;
  }
  Click(ui.next_month);
  DayCell* rikbeKahnat = ui.grid->cells[24];  // a church day, not a day off
  EXPECT_EQ(rikbeKahnat->primary->textcolor(), MonthGrid::kChurchDayColor);
  EXPECT_STREQ(rikbeKahnat->tooltip(), "Rikbe Kahnat - ርክበ ካህናት");
  EXPECT_EQ(ui.grid->cells[23]->primary->textcolor(), FL_RED);  // Ginbot 20
  PickHolidays();
  for (int i = 0; i < MonthGrid::kCells; ++i) {
    EXPECT_EQ(ui.grid->cells[i]->primary->textcolor(), i % 7 ? FL_FOREGROUND_COLOR : FL_RED) << i;
    EXPECT_EQ(ui.grid->cells[i]->tooltip(), nullptr) << i;
  }
}

// Fasting days and saints' days: off at first, then dotted and named as
// picked, remembered, and off again leaves the grid as it was.
TEST_F(MainWindow, FastsAndSaintsWhenPicked) {
  PickHolidays();  // Hdar 2001 (from Monday 10 November 2008) then shows only what is asked for
  const auto dotted = [&](int cell) {
    const DayCell* c = ui.grid->cells[cell];
    Fl::flush();
    return Pixels(ui.main_window, c->x() + c->w() - 8, c->y() + 6) == Solid(MonthGrid::kFastColor);
  };
  const struct {
    Fl_Menu_Item* CalendarUi::*item;
    int cell;  // Hdar day
    bool dot;
    const char* tooltip;
  } kPicks[] = {
      {&CalendarUi::fasts_item, 10, true, "Wednesday fast"},
      {&CalendarUi::fasts_item, 16, true, "Tsome Nebiyat"},
      {&CalendarUi::fasts_item, 11, false, nullptr},
      {&CalendarUi::saints_item, 12, false, "Mikael (Michael the Archangel), Samuel and Yared"},
  };
  for (const auto& p : kPicks) {
    EXPECT_EQ(ui.grid->cells[p.cell]->tooltip(), nullptr) << p.cell;
    EXPECT_FALSE(dotted(p.cell)) << p.cell;
    MenuBar()->picked(ui.*p.item);
    EXPECT_EQ(dotted(p.cell), p.dot) << p.cell;
    EXPECT_STREQ(ui.grid->cells[p.cell]->tooltip(), p.tooltip) << p.cell;
    CalendarUi again;
    again.set_defaults();
    EXPECT_NE((again.*p.item)->value(), 0) << p.cell;
    MenuBar()->picked(ui.*p.item);
  }
  MenuBar()->picked(ui.fasts_item);
  MenuBar()->picked(ui.saints_item);
  EXPECT_STREQ(ui.grid->cells[12]->tooltip(), "Friday fast\nMikael (Michael the Archangel), Samuel and Yared");
}

// Tool > Amharic and Ge'ez numerals: the date lines, headings, month chooser,
// tooltips and day numbers in Ethiopic script, remembered; both off, the
// window is as it was. Amharic is on at first where the locale speaks it.
TEST_F(MainWindow, AmharicAndGeezNumeralsWhenPicked) {
  const std::string latinLines = ui.dates_output->value();
  const std::string usualFace = Fl::get_font(FL_HELVETICA);
  EXPECT_EQ(ui.amharic_item->value(), 0);
  EXPECT_EQ(ui.geez_item->value(), 0);
  unsetenv("LANGUAGE");
  MenuBar()->picked(ui.amharic_item);
  EXPECT_EQ(std::string(ui.dates_output->value()).find("ቅዳሜ 29 ኖቬምበር(11) 2008\nቅዳሜ"), 0u);
  // The catalog's lookups leave the user's language to the programs this one starts.
  EXPECT_EQ(getenv("LANGUAGE"), nullptr);
  EXPECT_STREQ(ui.grid->headers[1]->label(), "ሰኞ");
  EXPECT_STREQ(ui.month_choice->text(), "ኅዳር");
  EXPECT_STREQ(ui.grid->cells[29]->tooltip(), "የብሔር ብሔረሰቦች ቀን\nዒድ አል አድሐ");
  MenuBar()->picked(ui.fasts_item);
  MenuBar()->picked(ui.saints_item);
  EXPECT_STREQ(ui.grid->cells[12]->tooltip(), "ኅዳር ሚካኤል\nየዓርብ ጾም\nሚካኤል፣ ሳሙኤል እና ያሬድ");
  MenuBar()->picked(ui.fasts_item);
  MenuBar()->picked(ui.saints_item);
  EXPECT_STREQ(ui.grid->cells[20]->primary->value(), "20");
  // The texts from the catalog, in the Ethiopic face.
  EXPECT_STREQ(ui.today->label(), "ዛሬ");
  EXPECT_STREQ(ui.last_month->tooltip(), "ያለፈው ወር");
  EXPECT_NE(MenuBar()->find_item("መሣሪያ/የግዕዝ ቁጥሮች"), nullptr);
  EXPECT_STREQ(Fl::get_font(FL_HELVETICA), Fl::get_font(EthiopicFont()));
  MenuBar()->picked(ui.geez_item);
  EXPECT_STREQ(ui.grid->cells[20]->primary->value(), "፳");
  EXPECT_STREQ(ui.grid->cells[20]->secondary->value(), "29");
  // The face that draws them has the letters: no boxes.
  EXPECT_EQ(ui.grid->cells[20]->primary->textfont(), EthiopicFont());
  EXPECT_NE(std::string(Fl::get_font(EthiopicFont())).find("Abyssinica SIL"), std::string::npos);
  CalendarUi again;
  again.set_defaults();
  EXPECT_NE(again.amharic_item->value(), 0);
  EXPECT_NE(again.geez_item->value(), 0);
  MenuBar()->picked(ui.amharic_item);
  MenuBar()->picked(ui.geez_item);
  EXPECT_EQ(ui.dates_output->value(), latinLines);
  EXPECT_STREQ(ui.grid->headers[1]->label(), "sagno");
  EXPECT_STREQ(ui.month_choice->text(), "Hdar");
  EXPECT_STREQ(ui.grid->cells[20]->primary->value(), "20");
  EXPECT_STREQ(ui.today->label(), "Today");
  EXPECT_NE(MenuBar()->find_item("Tool/Ge'ez numerals"), nullptr);
  EXPECT_EQ(Fl::get_font(FL_HELVETICA), usualFace);
  const struct {
    const char* lcAll;
    const char* lang;
    Language language;
  } kLocales[] = {{"", "am_ET.UTF-8", Language::kAmharic},
                  {"C.UTF-8", "am_ET.UTF-8", Language::kEnglish},
                  {"", "en_US.UTF-8", Language::kEnglish},
                  {"", "ami_TW.UTF-8", Language::kEnglish}};
  for (const auto& locale : kLocales) {
    setenv("LC_ALL", locale.lcAll, 1);
    setenv("LANG", locale.lang, 1);
    std::remove((std::string(getenv("HOME")) + "/.fltk/zelmora/zelmora.prefs").c_str());
    EXPECT_EQ(LoadSettings().language, locale.language) << locale.lang;
  }
  unsetenv("LC_ALL");
  unsetenv("LANG");
}

// Tool > Bahire Hasab shows the Ethiopian year on show in either base, figure
// by figure, and its movable feasts; in Amharic, with the reckoners' words
// and the feasts' names.
TEST_F(MainWindow, BahireHasabOfTheYearOnShow) {
  const struct {
    CalendarKind base;
    bool amharic;
    const char* item;
    const char* title;
    std::vector<const char*> lines;
  } kLanguages[] = {
      {Ethiopian, false, "Tool/Bahire Hasab", "Bahire Hasab 2001",
       {"abekte\t4", "metqi\t26", "fasika\t2001/08/11", "2001/08/11\t2009/04/19\tFasika (Easter)"}},
      {Gregorian, false, "Tool/Bahire Hasab", "Bahire Hasab 2001", {"abekte\t4", "fasika\t2001/08/11"}},
      {Ethiopian, true, "መሣሪያ/ባሕረ ሐሳብ", "ባሕረ ሐሳብ 2001",
       {"አበቅቴ\t4", "መባጃ ሐመር\t2", "ተንቀሳቃሽ በዓላትና አጽዋማት", "2001/08/11\t2009/04/19\tፋሲካ"}},
  };
  for (const auto& language : kLanguages) {
    if (language.base != ui.base_kind) Click(ui.base_button);
    if (language.amharic) MenuBar()->picked(ui.amharic_item);
    MenuBar()->picked(MenuBar()->find_item(language.item));
    Settle();
    Fl_Window* shown = Fl::next_window(ui.main_window) ? Fl::next_window(ui.main_window) : Fl::first_window();
    ASSERT_NE(shown, ui.main_window);
    EXPECT_STREQ(shown->label(), language.title);
    auto* lines = static_cast<BahireHasabWindow*>(shown->user_data())->table;
    std::vector<std::string> texts;
    for (int i = 1; i <= lines->size(); ++i) texts.push_back(lines->text(i));
    for (const char* line : language.lines) {
      EXPECT_NE(std::find(texts.begin(), texts.end(), line), texts.end()) << line;
    }
    // The next year and back, in the same window.
    auto* hasab = static_cast<BahireHasabWindow*>(shown->user_data());
    Click(hasab->next);
    EXPECT_EQ(std::string(shown->label()), std::string(language.title, std::strlen(language.title) - 1) + "2");
    Click(hasab->previous);
    EXPECT_STREQ(shown->label(), language.title);
    Fl::focus(shown);
    TypeKey(shown, FL_Escape);
    Settle();
    EXPECT_EQ(Fl::first_window(), ui.main_window);
    EXPECT_EQ(Fl::next_window(ui.main_window), nullptr);
    if (language.amharic) MenuBar()->picked(ui.amharic_item);
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

TEST_F(MainWindow, PaintsTheCurrentDayYellow) {
  // Hdar 2001 starts on a Monday: cell 20 is the 20th, the current day;
  // cell 0 is hidden and shows the window's grey. Below the big number,
  // left of the small one, is the cell's own colour.
  const DayCell* current = ui.grid->cells[20];
  const DayCell* hidden = ui.grid->cells[0];
  EXPECT_EQ(Pixels(ui.main_window, current->x() + 4, current->y() + current->h() - 8), Solid(FL_YELLOW));
  EXPECT_EQ(Pixels(ui.main_window, hidden->x() + 4, hidden->y() + hidden->h() - 8), Solid(FL_GRAY));
  // The grid has the keyboard focus from the start, and while it has it, it
  // frames the current day just inside its border.
  const int frameX = current->x() + 1, frameY = current->y() + current->h() / 2;
  EXPECT_EQ(Fl::focus(), ui.grid);
  EXPECT_NE(Pixels(ui.main_window, frameX, frameY), Solid(FL_YELLOW));
  TabTo(ui.today);
  Fl::flush();
  EXPECT_EQ(Pixels(ui.main_window, frameX, frameY), Solid(FL_YELLOW));
  TabTo(ui.grid);
  EXPECT_NE(Pixels(ui.main_window, frameX, frameY), Solid(FL_YELLOW));
  // The weekday names share one size at which each fits its column,
  // "maksagno" included; the Gregorian names fit at 14.
  for (Fl_Box* heading : ui.grid->headers) {
    EXPECT_EQ(heading->labelsize(), ui.grid->headers[0]->labelsize()) << heading->label();
    fl_font(heading->labelfont(), heading->labelsize());
    EXPECT_LE(fl_width(heading->label()), heading->w()) << heading->label();
  }
  EXPECT_GT(ui.grid->headers[0]->labelsize(), 8);
  Click(ui.base_button);
  Fl::flush();
  EXPECT_EQ(ui.grid->headers[2]->labelsize(), 14);
}

// From the "Today" button the Tab key walks a few stops round the window:
// the grid is one of them and nothing inside it or out of sight is.
TEST_F(MainWindow, TabStops) {
  TabTo(ui.today);
  std::vector<Fl_Widget*> stops{ui.today};
  for (TypeKey(ui.main_window, FL_Tab); Fl::focus() != ui.today && stops.size() < 100;
       TypeKey(ui.main_window, FL_Tab)) {
    stops.push_back(Fl::focus());
  }
  EXPECT_LE(stops.size(), 15u);
  EXPECT_EQ(std::count(stops.begin(), stops.end(), ui.grid), 1);
  for (Fl_Widget* stop : stops) {
    EXPECT_TRUE(stop == ui.grid || !ui.grid->contains(stop));
    EXPECT_LT(stop->y(), ui.main_window->h());
  }
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

// Today keeps a blue frame of its own beside the selected day's yellow, and
// the window follows the clock past midnight.
TEST_F(MainWindow, TodayIsMarkedAndMovesAtMidnight) {
  const auto framed = [&](const DayCell* cell) {
    Fl::flush();
    return Pixels(ui.main_window, cell->x() + 2, cell->y() + cell->h() / 2) == Solid(MonthGrid::kTodayColor);
  };
  Click(ui.grid->cells[22]);  // Hdar 22; today is Hdar 20, cell 20
  EXPECT_TRUE(framed(ui.grid->cells[20]));
  EXPECT_FALSE(framed(ui.grid->cells[22]));
  EXPECT_EQ(ui.grid->cells[22]->color(), FL_YELLOW);
  Click(ui.grid->cells[19]);
  Click(ui.base_button);  // Gregorian November 2008: the 29th is cell 6 + 28
  EXPECT_TRUE(framed(ui.grid->cells[34]));
  Click(ui.base_button);
  // Two nights running, each by the timer the window armed for it: today
  // moves on, and the selected day with it when it was today.
  const struct {
    int selected;  // the cell picked before midnight
    int todayAfter, yellowAfter;
  } kNights[] = {{20, 21, 21}, {24, 22, 24}};
  for (const auto& n : kNights) {
    Click(ui.grid->cells[n.selected]);
    ASSERT_EQ(pendingTimeouts.size(), 1u) << n.selected;
    RunNextTimeout();
    EXPECT_TRUE(framed(ui.grid->cells[n.todayAfter])) << n.selected;
    EXPECT_EQ(ui.grid->cells[n.yellowAfter]->color(), FL_YELLOW) << n.selected;
    EXPECT_NE(std::string(ui.dates_output->value()).find("Hdar( 3) " + std::to_string(n.yellowAfter)), std::string::npos);
  }
  // A year typed but not yet entered outlasts midnight, and Enter still takes it.
  TypeOver(ui.year_input, "2005");
  AdvanceClock(24 * 60 * 60);
  CalendarUi::cb_midnight(&ui);
  EXPECT_STREQ(ui.year_input->input.value(), "2005");
  TypeKey(ui.main_window, FL_Enter, 0, "\r");
  EXPECT_EQ(ui.date.Year(Ethiopian), 2005);
}

void PressEscapeInMenu(void* opened) {
  *static_cast<bool*>(opened) = Fl::grab() != nullptr;
  if (Fl::grab()) TypeKey(Fl::grab(), FL_Escape);
}

// Escape closes the focused Clock or About window wherever the pointer is,
// and leaves the main window open; F10 opens the first menu; Ctrl+Q from any
// window ends the program.
TEST_F(MainWindow, WindowKeys) {
  TypeKey(ui.main_window, FL_Escape);
  EXPECT_TRUE(ui.main_window->shown());
  bool menuOpened = false;
  WhenModal(PressEscapeInMenu, &menuOpened);
  TypeKey(ui.main_window, FL_F + 10);
  EXPECT_TRUE(menuOpened);
  const struct {
    void (*open)();
    const char* label;
  } kWindows[] = {{[] { OpenClockWindow(); }, "Ethiopian Clock"}, {OpenAboutWindow, "About Zelmora"}};
  for (const auto& k : kWindows) {
    for (const bool quit : {false, true}) {
      k.open();
      Settle();
      Fl_Window* other = ShownWindow(k.label);
      ASSERT_NE(other, nullptr) << k.label;
      Fl::belowmouse(quit ? static_cast<Fl_Widget*>(other) : ui.grid);  // or the pointer rests on the main window
      Fl::focus(other);
      TypeKey(other, quit ? 'q' : FL_Escape, quit ? FL_CTRL : 0, quit ? "\x11" : "");
      Settle();
      EXPECT_EQ(ShownWindow(k.label), nullptr) << k.label;
      EXPECT_EQ(Fl::first_window() == nullptr, quit) << k.label;
    }
    ui.main_window->show();
  }
}

}  // namespace
