#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "gui/dialogs/dialogs.h"
#include "gui/mainwin/calendar_ui.h"

namespace {

void Mouse(int event, Fl_Widget* widget, int buttonState, int atX = -1, bool click = true, int clicks = 0,
           int atY = -1) {
  Fl_Window* window = widget->top_window();
  Fl::e_x = widget->x() + (atX < 0 ? widget->w() / 2 : atX);
  Fl::e_y = widget->y() + (atY < 0 ? widget->h() / 2 : atY);
  Fl::e_x_root = window->x() + Fl::e_x;
  Fl::e_y_root = window->y() + Fl::e_y;
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_state = buttonState;
  Fl::e_clicks = clicks;
  Fl::e_is_click = click;
  Fl::handle(event, window);
}

}  // namespace

std::vector<PendingTimeout> pendingTimeouts;

void ArmRecorded(double seconds, Fl_Timeout_Handler handler, void* data) {
  pendingTimeouts.push_back({handler, data, seconds});
}

void CancelRecorded(Fl_Timeout_Handler handler, void* data) {
  pendingTimeouts.erase(std::remove_if(pendingTimeouts.begin(), pendingTimeouts.end(),
                                       [&](const PendingTimeout& t) { return t.handler == handler && t.data == data; }),
                        pendingTimeouts.end());
}

void RunNextTimeout(double lateness) {
  ASSERT_FALSE(pendingTimeouts.empty());
  const auto due = std::min_element(pendingTimeouts.begin(), pendingTimeouts.end(),
                                    [](const PendingTimeout& a, const PendingTimeout& b) { return a.seconds < b.seconds; });
  const PendingTimeout next = *due;
  pendingTimeouts.erase(due);
  for (PendingTimeout& t : pendingTimeouts) t.seconds -= next.seconds;
  AdvanceClock(next.seconds + lateness);
  next.handler(next.data);
}

void Settle() {
  for (int i = 0; i < 3; ++i) Fl::check();
}

void Press(Fl_Widget* widget) { Mouse(FL_PUSH, widget, FL_BUTTON1); }
void Release(Fl_Widget* widget) { Mouse(FL_RELEASE, widget, 0); }
void Click(Fl_Widget* widget) {
  Press(widget);
  Release(widget);
}

void ClickAt(Fl_Widget* widget, int x, int y) {
  Mouse(FL_PUSH, widget, FL_BUTTON1, x, true, 0, y);
  Mouse(FL_RELEASE, widget, 0, x, true, 0, y);
}

void Drag(Fl_Widget* widget, int fromX, int dx) {
  constexpr int kSteps = 4;  // a person's drag reports the pointer on its way
  Mouse(FL_PUSH, widget, FL_BUTTON1, fromX);
  for (int i = 1; i <= kSteps; ++i) Mouse(FL_DRAG, widget, FL_BUTTON1, fromX + dx * i / kSteps, false);
  Mouse(FL_RELEASE, widget, 0, fromX + dx, false);
}

void DoubleClick(Fl_Widget* widget) {
  Click(widget);
  Mouse(FL_PUSH, widget, FL_BUTTON1, -1, true, 1);
  Mouse(FL_RELEASE, widget, 0, -1, true, 1);
}

void Wheel(Fl_Widget* widget, int dy, int state) {
  Fl::e_dx = 0;
  Fl::e_dy = dy;
  Mouse(FL_MOUSEWHEEL, widget, state);
}

void TypeKey(Fl_Widget* inWindow, int key, int state, const char* text) {
  static char typed[8];
  std::snprintf(typed, sizeof typed, "%s", text);
  Fl::e_keysym = key;
  Fl::e_state = state;
  Fl::e_text = typed;
  Fl::e_length = static_cast<int>(std::strlen(typed));
  Fl_Window* window = Fl::grab() ? Fl::grab() : inWindow->top_window();
  Fl::handle(FL_KEYBOARD, window);
  Fl::handle(FL_KEYUP, window);
}

void TypeText(Fl_Widget* inWindow, const char* text) {
  for (; *text; ++text) {
    const char one[2] = {*text, '\0'};
    TypeKey(inWindow, static_cast<unsigned char>(*text), 0, one);
  }
}

void TypeOver(Fl_Widget* field, const char* text) {
  Click(field);
  TypeKey(field, 'a', FL_CTRL, "\x01");
  TypeText(field, text);
}

std::size_t AnswerNamed(const Question& question, const char* name) {
  for (std::size_t i = 0; i < question.answers.size(); ++i) {
    if (std::string(question.answers[i]) == name) return i;
  }
  ADD_FAILURE() << question.text << " offers no " << name;
  return question.cancel;
}

void WhenModal(void (*action)(void*), void* data) { Fl::add_timeout(0.0, action, data); }

std::string InstallOpener(const std::string& folder) {
  std::ofstream opener(folder + "/xdg-open");
  opener << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << folder << "/opened'\nsleep 3\n";
  opener.close();
  chmod((folder + "/xdg-open").c_str(), 0755);
  const std::string oldPath = std::getenv("PATH");
  setenv("PATH", (folder + ":" + oldPath).c_str(), 1);
  return oldPath;
}

std::string OpenedIn(const std::string& folder) {
  for (int i = 0; i < 50; ++i) {
    const std::string opened = ReadFile(folder + "/opened");
    if (!opened.empty()) return opened;
    usleep(20000);
  }
  return "";
}

void ShowMainWindow(CalendarUi& ui) {
  char name[] = "zelmora";
  char* argv[] = {name, nullptr};
  ui.show(1, argv);
  Settle();
}

Fl_Window* ShownWindow(const char* label) {
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
    if (w->label() && std::strcmp(w->label(), label) == 0) return w;
  }
  return nullptr;
}

int ShownWindows() {
  int n = 0;
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) ++n;
  return n;
}

std::vector<std::string> alerts;
void RecordAlert(const char* message) { alerts.push_back(message); }

std::vector<int> DrawnColours(Fl_Window* window, int x, int y, int w, int h) {
  window->wait_for_expose();
  window->redraw();
  Fl::flush();
  XSync(fl_display, False);
  window->make_current();
  std::vector<uchar> rgb(3 * w * h);
  fl_read_image(rgb.data(), x, y, w, h);
  std::vector<int> colours;
  for (std::size_t i = 0; i < rgb.size(); i += 3) colours.push_back((rgb[i] << 16) | (rgb[i + 1] << 8) | rgb[i + 2]);
  return colours;
}

int ColourAt(Fl_Window* window, int x, int y) { return DrawnColours(window, x, y, 1, 1)[0]; }

int Rgb(Fl_Color colour) {
  uchar r, g, b;
  Fl::get_color(colour, r, g, b);
  return (r << 16) | (g << 8) | b;
}

Fl_Menu_Bar* MenuBarOf(const Fl_Group* window) {
  for (int i = 0; i < window->children(); ++i) {
    if (auto* bar = dynamic_cast<Fl_Menu_Bar*>(window->child(i))) return bar;
  }
  return nullptr;
}

namespace {
// The toolkit keeps the user's preferences under $HOME: each test starts
// from a first run, in a home of its own.
class FreshHome : public ::testing::EmptyTestEventListener {
 public:
  FreshHome() {
    char pattern[] = "/tmp/zelmora-home-XXXXXX";
    home_ = mkdtemp(pattern);
    setenv("HOME", home_.c_str(), 1);
  }
  ~FreshHome() override { std::filesystem::remove_all(home_); }
  void OnTestStart(const ::testing::TestInfo&) override { std::filesystem::remove_all(home_ + "/.fltk"); }

 private:
  std::string home_;
};
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "UTC", 1);
  tzset();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshHome);
  fl_open_display();
  return RUN_ALL_TESTS();
}
