#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>

#include <string>

// The About window: logo, name and version, home page, notice and credits.
// Several may be open; each frees itself once closed.
class AboutWindow {
 public:
  AboutWindow();
  ~AboutWindow();
  void Show();

  Fl_Window* window;
  Fl_Box* imageBox;
  Fl_Box* titleBox;
  Fl_Box* homePageBox;
  Fl_Box* noticeBox;

 private:
  static void cb_close(Fl_Widget* window, void* data);
};

// Where Help > Website and the About window's link lead: the home page, or
// the installed help page when the program has none.
std::string WebsiteTarget();
// The Help menu's commands.
void OpenAboutWindow();
void OpenHelpContents();
void OpenWebsite();
