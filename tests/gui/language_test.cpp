// The windows in each language: the date lines lined up as drawn.
#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>

#include <string>
#include <vector>

#include "mainwin/calendar_ui.h"

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

}  // namespace
