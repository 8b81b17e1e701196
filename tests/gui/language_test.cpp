// The windows in each language: the date lines lined up as drawn.
#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/fonts/ethiopic_face.h"
#include "gui/mainwin/calendar_ui.h"

namespace {

class Language : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);  // Hdar 20, 2001
    ShowMainWindow(ui);
  }
  void TearDown() override { ui.main_window->hide(); }
  // Turns Tool > Amharic and Tool > Ge'ez numerals as asked, picking them as a person would.
  void Pick(bool amharic, bool geez) {
    if ((ui.amharic_item->value() != 0) != amharic) MenuBarOf(ui.main_window)->picked(ui.amharic_item);
    if ((ui.geez_item->value() != 0) != geez) MenuBarOf(ui.main_window)->picked(ui.geez_item);
  }

  CalendarUi ui;
};

// Where each word of a line ends, drawn in the current face.
std::vector<double> WordEnds(const std::string& line) {
  std::vector<double> ends;
  for (std::size_t at = 0; (at = line.find_first_not_of(' ', at)) != std::string::npos;) {
    at = line.find(' ', at);
    ends.push_back(fl_width(line.substr(0, at).c_str()));
  }
  return ends;
}

// Every column keeps to its right, so each word of one line ends where the
// other's does, within half a space, in either language, with Ge'ez
// numerals or without.
TEST_F(Language, DateLinesLineUpAsDrawn) {
  const struct {
    bool amharic, geez;
  } kStyles[] = {{false, true}, {true, false}, {true, true}};
  for (const auto& style : kStyles) {
    Pick(style.amharic, style.geez);
    fl_font(ui.dates_output->textfont(), ui.dates_output->textsize());
    const std::string lines = ui.dates_output->value();
    const std::size_t split = lines.find('\n');
    ASSERT_NE(split, std::string::npos);
    const std::vector<double> upper = WordEnds(lines.substr(0, split)), lower = WordEnds(lines.substr(split + 1));
    ASSERT_EQ(upper.size(), lower.size()) << lines;
    for (std::size_t w = 0; w < upper.size(); ++w) EXPECT_NEAR(upper[w], lower[w], fl_width(" ") / 2 + 1) << lines;
  }
  Pick(false, false);
}

// Run with a fontconfig that has no Ethiopic face and LANG=am_ET.UTF-8
// (the language_without_ethiopic_face test): a start in Amharic is in
// English, says why in one line, and offers Amharic and Ge'ez numerals
// inactive, naming the package to install.
TEST(WithoutEthiopicFace, EnglishItemsInactiveAndOneLineWhy) {
  if (HasEthiopicFace()) GTEST_SKIP() << "needs a fontconfig without Ethiopic faces";
  FixClock(2008, 11, 29, 9, 0, 0);
  testing::internal::CaptureStderr();
  CalendarUi ui;
  ShowMainWindow(ui);
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_EQ(told.find("fonts-sil-abyssinica"), told.rfind("fonts-sil-abyssinica")) << told;
  EXPECT_NE(told.find("zelmora: no font with Ethiopic letters is installed (fonts-sil-abyssinica)"), std::string::npos)
      << told;
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
  for (const Fl_Menu_Item* item : {ui.amharic_item, ui.geez_item}) {
    EXPECT_EQ(item->active(), 0) << item->label();
    EXPECT_NE(std::string(item->label()).find("fonts-sil-abyssinica"), std::string::npos) << item->label();
  }
  EXPECT_EQ(ui.style.language, ::Language::kEnglish);
  EXPECT_FALSE(ui.style.geez);
  EXPECT_STREQ(ui.today->label(), "Today");
  EXPECT_EQ(std::string(ui.dates_output->value()).find(" Saturday"), 0u);
  ui.main_window->hide();
}

}  // namespace
