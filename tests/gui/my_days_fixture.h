// The main window with the user's days: a data folder of its own per test,
// questions answered by a recorder, and the helper that clicks a list's lines. Shared by the my_days program's test files.
#pragma once

#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "gui/dialogs/dialogs.h"
#include "gui/mainwin/calendar_ui.h"

// Named, not anonymous: the test files share the one class.
namespace days_fixtures {

// An all-day event as another program, or an earlier run, would have left it.
inline std::string Event(const char* uid, const char* date, const char* name, const char* rule = "") {
  return std::string("BEGIN:VEVENT\r\nUID:") + uid + "\r\nDTSTAMP:20080101T000000Z\r\nDTSTART;VALUE=DATE:" + date +
         "\r\nSUMMARY:" + name + "\r\n" + rule + "END:VEVENT\r\n";
}
inline const char kEthiopianYearly[] = "RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r\n";

inline std::string Calendar(const std::string& events) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

// Questions answered as the test says, and remembered.
inline std::vector<Question> questions;
inline std::string answerWith = "Cancel";
inline std::size_t RecordQuestion(const Question& question) {
  questions.push_back(question);
  return AnswerNamed(question, answerWith.c_str());
}

// A click on line (from 1) of a browser, once it is drawn and knows where its lines are.
inline void ClickLine(Fl_Browser* list, int line) {
  list->window()->wait_for_expose();
  Fl::flush();
  const int height = list->textsize() + 4;  // about an item's, whatever its spacing
  ClickAt(list, list->w() / 2, Fl::box_dy(list->box()) + height * line - height / 2);
}

// In an open menu (the repeat's), the item `steps` down from the one shown, and Enter.
inline void ChooseInOpenMenu(void* steps) {
  Fl_Window* menu = Fl::grab();
  if (!menu) return;
  for (int i = 0; i < *static_cast<int*>(steps); ++i) TypeKey(menu, FL_Down);
  TypeKey(menu, FL_Enter, 0, "\r");
}

// Each test in a data folder of its own: the file of days is
// <folder>/zelmora/days.ics. Today is Hdar 20, 2001 (29 November 2008),
// and the grid shows Hdar 2001, day d in cell d.
class MyDaysWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    setenv("XDG_CONFIG_HOME", data.path.c_str(), 1);  // the reminders' settings
    mkdir((data.path + "/zelmora").c_str(), 0700);
    file = data.path + "/zelmora/days.ics";
    alerts.clear();
    questions.clear();
    answerWith = "Cancel";
    Dialogs::alert = RecordAlert;
    Dialogs::ask = RecordQuestion;
  }
  void TearDown() override {
    if (ui) ui->main_window->hide();
    Settle();
  }
  // The main window, anew, on a file holding text (none when empty).
  void Start(const std::string& text = "") {
    if (ui) ui->main_window->hide();
    ui.reset();
    if (text.empty()) std::remove(file.c_str());
    else std::ofstream(file, std::ios::binary) << text;
    ui = std::make_unique<CalendarUi>();
    ShowMainWindow(*ui);
  }
  // Started, with the day dialog opened on today by Enter.
  void StartInDialog(const std::string& text = "") {
    Start(text);
    TypeKey(ui->main_window, FL_Enter, 0, "\r");
    Settle();
  }
  DayDialog* Dialog() const { return ui->my_days.dialog; }
  void Pick(const char* path) {
    Fl_Menu_Bar* bar = MenuBarOf(ui->main_window);
    bar->picked(bar->find_item(path));
    Settle();
  }
  // Whether the cell carries the user's mark, in the bottom-left corner:
  // `in` pixels in from the corner both ways, which the mark covers
  // however far the window has grown.
  bool Marked(int cell, int in = 5) {
    const DayCell* c = ui->grid->cells[cell];
    return ColourAt(ui->main_window, c->x() + in, c->y() + c->h() - in) == Rgb(MonthGrid::kUserDayColor);
  }
  const char* Tip(int cell) const { return ui->grid->cells[cell]->tooltip(); }

  ScratchFolder data{"zelmora-days"};
  std::string file;
  std::unique_ptr<CalendarUi> ui;
};

}  // namespace days_fixtures
