// Tool > Amharic, Ge'ez numerals and Bahire Hasab: the window in Ethiopic
// script, the language the locale starts it in, and the reckoning of the
// year on show.
#include "main_window_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Menu_Bar.H>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gui/bahire/bahire_hasab_window.h"
#include "gui/fonts/ethiopic_face.h"
#include "gui/mainwin/settings.h"

namespace {

using gui_fixtures::MainWindow;

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
  EXPECT_STREQ(ui.grid->cells[29]->tooltip(), "የብሔር ብሔረሰቦች ቀን\nኢድ-አል አድሃ");
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
       {"abekte\t4", "metqi\t26", "fasika\tihud, Miazya 11, 2001",
        "ihud, Miazya 11, 2001\tSunday, April 19, 2009\tFasika (Easter)"}},
      {Gregorian, false, "Tool/Bahire Hasab", "Bahire Hasab 2001", {"abekte\t4", "fasika\tihud, Miazya 11, 2001"}},
      {Ethiopian, true, "መሣሪያ/ባሕረ ሐሳብ", "ባሕረ ሐሳብ 2001",
       {"አበቅቴ\t4", "መባጃ ሐመር\t2", "ተንቀሳቃሽ በዓላትና አጽዋማት", "እሑድ፣ 11 ሚያዝያ 2001 ዓ.ም.\tእሑድ፣ 19 ኤፕሪል 2009\tፋሲካ"}},
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

}  // namespace
