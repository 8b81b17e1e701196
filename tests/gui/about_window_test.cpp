// The About window: what it shows, and that each line fits its box.
#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <string>

#include "gui/about/about_window.h"
#include "core/identity/zelmora_version.h"
#include "gui/pictures/images.h"

namespace {

TEST(AboutWindow, ShowsNameVersionAndCredits) {
  const int before = ShownWindows();
  OpenAboutWindow();
  OpenAboutWindow();
  Settle();
  int about = 0;
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
    if (std::string(w->label()) != "About Zelmora") continue;
    ++about;
    auto* window = static_cast<AboutWindow*>(w->user_data());
    EXPECT_EQ(w->w(), 360);
    EXPECT_EQ(w->h(), 115);
    EXPECT_EQ(window->imageBox->image(), &image_logo);
    EXPECT_STREQ(window->titleBox->label(), kVersionText);
    EXPECT_EQ(window->titleBox->labelsize(), 20);
    EXPECT_EQ(window->homePageBox->labelcolor(), FL_BLUE);
    EXPECT_EQ(window->noticeBox->labelsize(), 12);
    EXPECT_EQ(w->child(5)->labelsize(), 12);
    EXPECT_EQ(std::string(w->child(4)->label()).rfind("Icon was designed by ", 0), 0u);
    EXPECT_EQ(std::string(w->child(5)->label()).rfind("Special thanks to ", 0), 0u);
  }
  EXPECT_EQ(about, 2);
  while (Fl::first_window() && std::string(Fl::first_window()->label()) == "About Zelmora") {
    Fl::handle(FL_CLOSE, Fl::first_window());  // the close button; closing frees the window
    Settle();
  }
  EXPECT_EQ(ShownWindows(), before);
}

TEST(AboutWindow, LinesFitTheirBoxes) {
  AboutWindow about;
  for (int i = 1; i < about.window->children(); ++i) {
    const Fl_Widget* line = about.window->child(i);
    fl_font(line->labelfont(), line->labelsize());
    int w = 0, h = 0;
    fl_measure(line->label(), w, h, 0);
    EXPECT_LE(w, line->w()) << line->label();
  }
}

}  // namespace
