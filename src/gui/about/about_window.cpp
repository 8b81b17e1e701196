#include "gui/about/about_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <string>

#include "core/folders/help_page.h"
#include "core/identity/home_page.h"
#include "gui/dialogs/dialogs.h"
#include "core/identity/program_identity.h"
#include "core/locale/translation.h"
#include "gui/pictures/app_icon.h"
#include "gui/pictures/images.h"
#include "gui/desktop/shell_open.h"

namespace {

const char kHelpPageLine[] = N_("The help page installed with Zelmora");
constexpr int kWidth = 360;
constexpr int kHeight = 115;
constexpr int kLineLeft = 84;
constexpr int kLineWidth = 260;
constexpr int kLineHeight = 18;
constexpr int kFirstLineTop = 37;
constexpr int kLineSize = 12;
constexpr int kTitleSize = 20;

// The home page's line: a click on it opens the page, as a link would.
class LinkBox : public Fl_Box {
 public:
  using Fl_Box::Fl_Box;
  int handle(int event) override {
    switch (event) {
      case FL_ENTER:
        window()->cursor(FL_CURSOR_HAND);
        return 1;
      case FL_LEAVE:
        window()->cursor(FL_CURSOR_DEFAULT);
        return 1;
      case FL_PUSH:
        return 1;
      case FL_RELEASE:
        if (Fl::event_inside(this)) OpenWebsite();
        return 1;
      default:
        return Fl_Box::handle(event);
    }
  }
};

// Line n (0-based) of the four small lines under the title.
template <class Box = Fl_Box>
Fl_Box* MakeLine(int n, const char* text) {
  auto* line = new Box(kLineLeft, kFirstLineTop + n * (kLineHeight - 1), kLineWidth, kLineHeight, text);
  line->labelsize(kLineSize);
  return line;
}

}  // namespace

AboutWindow::AboutWindow() {
  window = new Fl_Window(kWidth, kHeight, Tr("About Zelmora"));
  window->user_data(this);
  window->callback(cb_close, this);
  imageBox = new Fl_Box(14, 18, 64, 64);
  imageBox->image(&image_logo);
  titleBox = new Fl_Box(75, 8, 280, 30, kVersionText);
  titleBox->labelsize(kTitleSize);
  // Without a home page the line leads to the help page, named in full in its tooltip.
  homePageBox = MakeLine<LinkBox>(0, kHasHomePage ? kHomePageUrl : Tr(kHelpPageLine));
  homePageBox->copy_tooltip(WebsiteTarget().c_str());
  homePageBox->labelcolor(FL_BLUE);
  noticeBox = MakeLine(1, Tr(kNoticeText));
  MakeLine(2, Tr(kIconCreditText));
  MakeLine(3, Tr(kThanksText));
  SetAppIcon(window);
  window->end();
}

AboutWindow::~AboutWindow() { Fl::delete_widget(window); }

void AboutWindow::Show() { window->show(); }

void AboutWindow::cb_close(Fl_Widget* window, void* data) {
  window->hide();
  delete static_cast<AboutWindow*>(data);
}

void OpenAboutWindow() { (new AboutWindow)->Show(); }

// The help page in the language the windows speak.
std::string WebsiteTarget() { return HomePageAddress(SpokenLanguage()); }

void OpenHelpContents() { OpenOrTell(HelpPage(SpokenLanguage()), Dialogs::alert); }

void OpenWebsite() { OpenOrTell(WebsiteTarget(), Dialogs::alert); }
