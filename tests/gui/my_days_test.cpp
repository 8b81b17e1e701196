#include "gui_support.h"

#define FL_INTERNALS  // Fl_X: whether the window still waits for its first expose

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "gui/dialogs/dialogs.h"
#include "core/export/html_exporter.h"
#include "core/locale/translation.h"
#include "gui/mainwin/calendar_ui.h"

namespace {

// An all-day event as another program, or an earlier run, would have left it.
std::string Event(const char* uid, const char* date, const char* name, const char* rule = "") {
  return std::string("BEGIN:VEVENT\r\nUID:") + uid + "\r\nDTSTAMP:20080101T000000Z\r\nDTSTART;VALUE=DATE:" + date +
         "\r\nSUMMARY:" + name + "\r\n" + rule + "END:VEVENT\r\n";
}
const char kEthiopianYearly[] = "RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r\n";

std::string Calendar(const std::string& events) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

// Questions answered as the test says, and remembered.
std::vector<std::string> questions;
bool answer = false;
bool RecordQuestion(const char* question) {
  questions.push_back(question);
  return answer;
}

// The left button pressed and released at (x, y) of the widget's window.
void ClickAt(Fl_Widget* widget, int x, int y) {
  Fl_Window* window = widget->top_window();
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_x_root = window->x() + x;
  Fl::e_y_root = window->y() + y;
  Fl::e_clicks = 0;
  Fl::e_is_click = 1;
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_state = FL_BUTTON1;
  Fl::handle(FL_PUSH, window);
  Fl::e_state = 0;
  Fl::handle(FL_RELEASE, window);
}

// The toolkit draws a new window, and so knows where its lines are, only
// after the server's first expose.
void WaitForExpose(Fl_Window* window) {
  for (int i = 0; i < 500 && Fl_X::i(window)->wait_for_expose; ++i) Fl::wait(0.01);
  Fl::flush();
}

// A click on line (from 1) of a browser.
void ClickLine(Fl_Browser* list, int line) {
  WaitForExpose(list->window());
  const int height = list->textsize() + 4;  // about an item's, whatever its spacing
  ClickAt(list, list->x() + list->w() / 2, list->y() + Fl::box_dy(list->box()) + height * line - height / 2);
}

int ColourAt(Fl_Window* window, int x, int y) {
  WaitForExpose(window);
  window->redraw();
  Fl::flush();
  XSync(fl_display, False);
  window->make_current();
  uchar rgb[3];
  fl_read_image(rgb, x, y, 1, 1);
  return (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
}

int Rgb(Fl_Color colour) {
  uchar r, g, b;
  Fl::get_color(colour, r, g, b);
  return (r << 16) | (g << 8) | b;
}

// Each test in a data folder of its own: the file of days is
// <folder>/zelmora/days.ics. Today is Hdar 20, 2001 (29 November 2008),
// and the grid shows Hdar 2001, day d in cell d.
class MyDaysWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    mkdir((data.path + "/zelmora").c_str(), 0700);
    file = data.path + "/zelmora/days.ics";
    alerts.clear();
    questions.clear();
    Dialogs::alert = RecordAlert;
    Dialogs::confirm = RecordQuestion;
  }
  void TearDown() override {
    if (ui) ui->main_window->hide();
    Settle();
  }
  void Start(const std::string& text = "") {
    if (!text.empty()) std::ofstream(file, std::ios::binary) << text;
    ui = std::make_unique<CalendarUi>();
    ShowMainWindow(*ui);
  }
  DayDialog* Dialog() const { return ui->my_days.dialog; }
  void Pick(const char* path) {
    Fl_Menu_Bar* bar = MenuBarOf(ui->main_window);
    bar->picked(bar->find_item(path));
    Settle();
  }
  // Whether the cell carries the user's mark, in the bottom-left corner.
  bool Marked(int cell) {
    const DayCell* c = ui->grid->cells[cell];
    return ColourAt(ui->main_window, c->x() + 4, c->y() + c->h() - 5) == Rgb(MonthGrid::kUserDayColor);
  }
  const char* Tip(int cell) const { return ui->grid->cells[cell]->tooltip(); }

  ScratchFolder data{"zelmora-days"};
  std::string file;
  std::unique_ptr<CalendarUi> ui;
};

// In an open menu (the repeat's), the item `steps` down from the one shown, and Enter.
void ChooseInOpenMenu(void* steps) {
  Fl_Window* menu = Fl::grab();
  if (!menu) return;
  for (int i = 0; i < *static_cast<int*>(steps); ++i) TypeKey(menu, FL_Down);
  TypeKey(menu, FL_Enter, 0, "\r");
}

// A double-click on a day, or Enter on the grid's day, opens the dialog on
// it (the one window, moved to the day); a name typed key by key, the repeat chosen with the keys and Save keep
// the day in the file, and mark it.
TEST_F(MyDaysWindow, OpenedOnADayTypingAddsADay) {
  const struct {
    const char* how;
    void (*open)(CalendarUi&);
    int cell;  // Hdar day
    const char* dates;
    int steps;  // from the first choice, every year by the Ethiopian date
    const char* rule;
    const char* tip;
  } kOpens[] = {
      {"double-click", [](CalendarUi& ui) { DoubleClick(ui.grid->cells[25]); }, 25, "hamus, Hdar 25, 2001\nThursday, December 4, 2008", 0,
       "RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r\n", "double-click"},
      {"Enter", [](CalendarUi& ui) { Click(ui.grid->cells[22]), TypeKey(ui.main_window, FL_Enter, 0, "\r"); }, 22,
       "sagno, Hdar 22, 2001\nMonday, December 1, 2008", 1, "RRULE:RSCALE=ETHIOPIC;FREQ=MONTHLY\r\n", "Enter"},
      {"memorial", [](CalendarUi& ui) { DoubleClick(ui.grid->cells[16]); }, 16, "maksagno, Hdar 16, 2001\nTuesday, November 25, 2008", 3,
       "X-ZELMORA-KIND:MEMORIAL\r\n", "memorial (Day of passing)"},
  };
  Start();
  for (auto o : kOpens) {
    o.open(*ui);
    Settle();
    ASSERT_NE(Dialog(), nullptr) << o.how;
    ASSERT_TRUE(Dialog()->visible()) << o.how;
    EXPECT_STREQ(Dialog()->dates->label(), o.dates) << o.how;
    EXPECT_EQ(Dialog()->list->size(), 0) << o.how;
    EXPECT_FALSE(Dialog()->delete_button->active()) << o.how;
    EXPECT_FALSE(Marked(o.cell)) << o.how;
    TypeOver(Dialog()->name, o.how);
    WhenModal(ChooseInOpenMenu, &o.steps);
    Click(Dialog()->repeat);
    Click(Dialog()->save_button);
    EXPECT_EQ(Dialog()->list->size(), 1) << o.how;
    EXPECT_STREQ(Dialog()->name->value(), "") << o.how;  // ready for another
    EXPECT_TRUE(Marked(o.cell)) << o.how;
    EXPECT_STREQ(Tip(o.cell), o.tip) << o.how;
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find(std::string("SUMMARY:") + o.how + "\r\n"), std::string::npos) << o.how;
    EXPECT_NE(text.find(o.rule), std::string::npos) << o.how;
  }
  EXPECT_TRUE(alerts.empty());
}

// A listed day picked, changed and saved keeps its first date and what
// Zelmora does not use; Delete asks first, and no keeps it.
TEST_F(MyDaysWindow, ChangeAndDeleteAskFirst) {
  const std::string kept = "X-OTHER-PROGRAM:kept\r\n";
  Start(Calendar(Event("a@test", "20081129", "Abebe", kEthiopianYearly) +
                 Event("b@test", "20071129", "Mimi", (std::string("RRULE:FREQ=YEARLY\r\n") + kept).c_str())));
  TypeKey(ui->main_window, FL_Enter, 0, "\r");
  Settle();
  ASSERT_NE(Dialog(), nullptr);
  ASSERT_EQ(Dialog()->list->size(), 2);
  ClickLine(Dialog()->list, 2);
  ASSERT_EQ(Dialog()->list->value(), 2);
  EXPECT_STREQ(Dialog()->name->value(), "Mimi");
  EXPECT_EQ(Dialog()->repeat->value(), 3);  // every year by the Gregorian date
  EXPECT_TRUE(Dialog()->delete_button->active());
  TypeOver(Dialog()->name, "Mimi @ home");
  TypeOver(Dialog()->note, "cake");
  Click(Dialog()->save_button);
  std::string text = ReadFile(file);
  EXPECT_NE(text.find("SUMMARY:Mimi @ home"), std::string::npos);
  EXPECT_NE(text.find("DESCRIPTION:cake"), std::string::npos);
  EXPECT_NE(text.find("DTSTART;VALUE=DATE:20071129"), std::string::npos);
  EXPECT_NE(text.find("X-OTHER-PROGRAM:kept"), std::string::npos);
  EXPECT_STREQ(Tip(20), "Abebe\nMimi @@ home");  // an '@' is drawn as typed
  const struct {
    bool yes;
    size_t left;  // days in the file afterwards
  } kAnswers[] = {{false, 2}, {true, 1}};
  for (const auto& a : kAnswers) {
    answer = a.yes;
    ClickLine(Dialog()->list, 2);
    Click(Dialog()->delete_button);
    ASSERT_FALSE(questions.empty());
    EXPECT_EQ(questions.back(), "Delete \"Mimi @ home\"? It cannot be undone.");
    EXPECT_EQ(Dialog()->list->size(), static_cast<int>(a.left)) << a.yes;
    EXPECT_EQ(ReadFile(file).find("Mimi") == std::string::npos, a.yes);
  }
  EXPECT_STREQ(Tip(20), "Abebe");
  EXPECT_FALSE(Dialog()->delete_button->active());
  // No name, nothing saved: said, and the file as it was.
  text = ReadFile(file);
  Click(Dialog()->save_button);
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0], "A day needs a name.");
  EXPECT_EQ(ReadFile(file), text);
}

// The mark and the tooltip follow Tool > My days, remembered; the page
// lists the days under the holidays while they are shown.
TEST_F(MyDaysWindow, MyDaysShownOrHidden) {
  Start(Calendar(Event("a@test", "20081204", "Abebe", kEthiopianYearly) + Event("b@test", "20081204", "<b>Mimi</b>")));
  EXPECT_TRUE(Marked(25));
  EXPECT_STREQ(Tip(25), "Abebe\n<b>Mimi</b>");
  EXPECT_FALSE(Marked(24));
  EXPECT_NE(ui->my_days_item->value(), 0);
  Pick("Tool/My days");
  EXPECT_FALSE(Marked(25));
  EXPECT_EQ(Tip(25), nullptr);
  CalendarUi again;
  again.set_defaults();
  EXPECT_EQ(again.my_days_item->value(), 0);
  Pick("Tool/My days");
  EXPECT_TRUE(Marked(25));
  // Holidays on, fasts and saints off, as the window shows them.
  for (const bool shown : {true, false}) {
    HtmlExporter page(ui->date, Ethiopian, true);
    page.userDays = shown ? &ui->my_days.Days() : nullptr;
    const std::string html = page.Build();
    const size_t list = html.find(" / Thursday, December 4, 2008: Abebe</li><li>");
    EXPECT_EQ(list != std::string::npos, shown) << html;
    EXPECT_EQ(html.find(" / Thursday, December 4, 2008: &lt;b&gt;Mimi&lt;/b&gt;</li>") != std::string::npos, shown);
    EXPECT_EQ(html.find("<b>Mimi"), std::string::npos);
    if (shown) {
      EXPECT_GT(list, html.find("Nations, Nationalities"));  // under the holidays
    }
  }
}

// Tool > All my days…: each day with its next date in both calendars,
// soonest first, a day that never comes again last; a pick shows its day
// and opens the dialog there.
TEST_F(MyDaysWindow, AllMyDaysSoonestFirst) {
  Start(Calendar(Event("a@test", "19900106", "Later", "RRULE:FREQ=YEARLY\r\n") +
                 Event("b@test", "20001204", "Sooner", kEthiopianYearly) + Event("c@test", "20050101", "Gone") +
                 Event("d@test", "20081129", "Today")));
  Pick("Tool/All my days\u2026");
  DaysListWindow* list = ui->my_days.listWindow;
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(list->visible());
  const char* kLines[] = {"qidame, Hdar 20, 2001\tSaturday, November 29, 2008\tToday\tOnce",
                          "hamus, Hdar 25, 2001\tThursday, December 4, 2008\tSooner\tEvery year, Ethiopian date",
                          "maksagno, Tahsas 28, 2001\tTuesday, January 6, 2009\tLater\tEvery year, Gregorian date",
                          "qidame, Tahsas 23, 1997\tSaturday, January 1, 2005\tGone\tOnce"};
  ASSERT_EQ(list->list->size(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_STREQ(list->list->text(i + 1), kLines[i]) << i;
  ClickLine(list->list, 3);
  Settle();
  EXPECT_EQ(list->list->value(), 3);
  EXPECT_TRUE(ui->date.SameDay(DatePair(2009, 1, 6, Gregorian)));
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_TRUE(Dialog()->visible());
  EXPECT_STREQ(Dialog()->dates->label(), "maksagno, Tahsas 28, 2001\nTuesday, January 6, 2009");
  EXPECT_STREQ(Dialog()->list->text(1), "Later\tEvery year, Gregorian date");
  // Both follow a change of language while open, what is typed kept.
  TypeOver(Dialog()->note, "typed");
  Pick("Tool/Amharic");
  EXPECT_STREQ(list->label(), Tr("All my days", Language::kAmharic));
  EXPECT_STREQ(Dialog()->name->label(), Tr("Name", Language::kAmharic));
  EXPECT_STREQ(Dialog()->dates->label(), "ማክሰኞ፣ 28 ታኅሣሥ 2001 ዓ.ም.\nማክሰኞ፣ 6 ጃንዋሪ 2009");
  EXPECT_STREQ(Dialog()->note->value(), "typed");
}

// A day another program adds shows once the window has looked at the file
// again, a second later on the clock it reads; an open dialog's list too.
TEST_F(MyDaysWindow, ReloadsWhenTheFileChangesUnderIt) {
  Start();
  TypeKey(ui->main_window, FL_Enter, 0, "\r");
  Settle();
  ASSERT_NE(Dialog(), nullptr);
  TypeText(Dialog()->name, "typed");
  std::ofstream(file, std::ios::binary) << Calendar(Event("a@test", "20081129", "Added outside"));
  Settle();
  EXPECT_EQ(Tip(20), nullptr);  // not looked at yet
  AdvanceClock(DaysKeeper::kLookEvery);
  Settle();
  EXPECT_STREQ(Tip(20), "Added outside");
  EXPECT_EQ(Dialog()->list->size(), 1);
  EXPECT_STREQ(Dialog()->name->value(), "typed");  // what is typed stays
  EXPECT_TRUE(alerts.empty());
}

// A file that cannot be read whole: said once, what could be read shown,
// every change refused with the file left byte for byte.
TEST_F(MyDaysWindow, UnreadableFileSaidOnceAndNeverWritten) {
  const std::string broken = Calendar(Event("a@test", "20081129", "Abebe") + "NOT A LINE\r\n");
  Start(broken);
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_NE(alerts[0].find("line 10"), std::string::npos) << alerts[0];
  EXPECT_STREQ(Tip(20), "Abebe");
  TypeKey(ui->main_window, FL_Enter, 0, "\r");
  Settle();
  TypeText(Dialog()->name, "New one");
  Click(Dialog()->save_button);
  EXPECT_EQ(alerts.size(), 2u);
  EXPECT_STREQ(Dialog()->name->value(), "New one");  // kept for another try
  ClickLine(Dialog()->list, 1);
  answer = true;
  Click(Dialog()->delete_button);
  EXPECT_EQ(alerts.size(), 3u);
  std::ofstream(file, std::ios::binary | std::ios::app) << "STILL NOT A LINE\r\n";
  AdvanceClock(DaysKeeper::kLookEvery);
  Settle();
  EXPECT_EQ(alerts.size(), 3u);  // not said again
  EXPECT_EQ(ReadFile(file), broken + "STILL NOT A LINE\r\n");
}

}  // namespace
