#include "my_days_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <string>

#include "core/export/html_exporter.h"
#include "core/locale/translation.h"

namespace {

using namespace days_fixtures;

const char kMemorialKind[] = "X-ZELMORA-KIND:MEMORIAL\r\n";
// A memorial's rule and its first dates, for a passing on November 23, 2008.
const std::string kSeventhDayOfMemorial =
    std::string(kEthiopianYearly) + "RDATE;VALUE=DATE:20081129\r\n" + kMemorialKind;

// Whether each column of the list is as wide as every text in it, the last
// one within the list.
bool ColumnsFit(DaysListWindow* window) {
  Fl_Browser* list = window->list;
  fl_font(list->textfont(), list->textsize());
  for (int line = 1; line <= list->size(); ++line) {
    std::string rest = list->text(line);
    int x = 0;
    for (const int* width = list->column_widths(); *width; x += *width++, rest.erase(0, rest.find('\t') + 1)) {
      if (fl_width(rest.substr(0, rest.find('\t')).c_str()) > *width) return false;
    }
    if (x + fl_width(rest.c_str()) > list->w() - Fl::scrollbar_size()) return false;
  }
  return true;
}

// A double-click on a day, or Enter on the grid's day, opens the dialog on
// it (the one window, moved to the day); a name typed key by key, the repeat chosen with the keys and Save keep
// the day in the file, and mark it, its tooltip naming the next of the reminders a new day gets.
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
       "RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r\n",
       "double-click\nNext reminder: hamus, Hdar 25, 2001 (Thursday, December 4, 2008) at 08:00"},
      {"Enter", [](CalendarUi& ui) { Click(ui.grid->cells[22]), TypeKey(ui.main_window, FL_Enter, 0, "\r"); }, 22,
       "sagno, Hdar 22, 2001\nMonday, December 1, 2008", 1, "RRULE:RSCALE=ETHIOPIC;FREQ=MONTHLY\r\n",
       "Enter\nNext reminder: sagno, Hdar 22, 2001 (Monday, December 1, 2008) at 08:00"},
      {"memorial", [](CalendarUi& ui) { DoubleClick(ui.grid->cells[16]); }, 16, "maksagno, Hdar 16, 2001\nTuesday, November 25, 2008", 3,
       kMemorialKind, "memorial (Day of passing)\nNext reminder: sagno, Hdar 22, 2001 (Monday, December 1, 2008) at 08:00"},
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
// Zelmora does not use; Delete asks first, naming the day.
TEST_F(MyDaysWindow, ChangeAndDeleteAskFirst) {
  StartInDialog(Calendar(Event("a@test", "20081129", "Abebe", kEthiopianYearly) +
                         Event("b@test", "20071129", "Mimi", "RRULE:FREQ=YEARLY\r\nX-OTHER-PROGRAM:kept\r\n")));
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
  answerWith = "Delete";  // Cancel and the question's keys: DeleteOutlivesAReloadWhileAsked
  Click(Dialog()->delete_button);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].text, "Delete \"Mimi @ home\"? It cannot be undone.");
  EXPECT_EQ(Dialog()->list->size(), 1);
  EXPECT_EQ(ReadFile(file).find("Mimi"), std::string::npos);
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
  ui->main_window->size(1000, 900);  // the grid nearly three times as large: so is the mark
  EXPECT_TRUE(Marked(25, 12));
  ui->main_window->size(350, 345);
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
                 Event("d@test", "20081129", "Today") + Event("e@test", "20081123", "Passed",
                                                                         kSeventhDayOfMemorial.c_str())));
  Pick("Tool/All my days\u2026");
  DaysListWindow* list = ui->my_days.listWindow;
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(list->visible());
  EXPECT_STREQ(list->heading->text(1), "Ethiopian date\tGregorian date\tName\tRepeat");
  const char* kLines[] = {"qidame, Hdar 20, 2001\tSaturday, November 29, 2008\tToday\tOnce",
                          "qidame, Hdar 20, 2001\tSaturday, November 29, 2008\tPassed\tMemorial (Seventh day)",
                          "hamus, Hdar 25, 2001\tThursday, December 4, 2008\tSooner\tEvery year, Ethiopian date",
                          "maksagno, Tahsas 28, 2001\tTuesday, January 6, 2009\tLater\tEvery year, Gregorian date",
                          "qidame, Tahsas 23, 1997\tSaturday, January 1, 2005\tGone\tOnce"};
  ASSERT_EQ(list->list->size(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_STREQ(list->list->text(i + 1), kLines[i]) << i;
  EXPECT_TRUE(ColumnsFit(list));
  for (const int line : {1, 4}) {
    ClickLine(list->list, line);
    Settle();
    EXPECT_EQ(list->list->value(), line);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(Dialog()->visible());
  }
  EXPECT_TRUE(ui->date.SameDay(DatePair(2009, 1, 6, Gregorian)));
  EXPECT_STREQ(Dialog()->dates->label(), "maksagno, Tahsas 28, 2001\nTuesday, January 6, 2009");
  EXPECT_STREQ(Dialog()->list->text(1), "Later\tEvery year, Gregorian date");
  // Both follow a change of language while open, what is typed kept.
  TypeOver(Dialog()->note, "typed");
  Pick("Tool/Amharic");
  EXPECT_STREQ(list->label(), Tr("All my days", Language::kAmharic));
  EXPECT_TRUE(ColumnsFit(list));
  EXPECT_STREQ(Dialog()->name->label(), Tr("Name", Language::kAmharic));
  EXPECT_STREQ(Dialog()->dates->label(), "ማክሰኞ፣ 28 ታኅሣሥ 2001 ዓ.ም.\nማክሰኞ፣ 6 ጃንዋሪ 2009");
  EXPECT_STREQ(Dialog()->note->value(), "typed");
  // Ge'ez numerals write the Ethiopian dates, never the Gregorian ones.
  MenuBarOf(ui->main_window)->picked(ui->geez_item);
  Settle();
  const std::string line = list->list->text(1);
  EXPECT_NE(line.find("\u1373"), std::string::npos) << line;  // ፳
  EXPECT_TRUE(line.find(" 29 ") != std::string::npos && line.find(" 2008\t") != std::string::npos) << line;
}

// With no days the list says how to add one, and its line picks none; the
// day dialog shows what the calendar says of its day.
TEST_F(MyDaysWindow, EmptyListAndTheDaysFacts) {
  Start();
  MenuBarOf(ui->main_window)->picked(ui->my_days_item + 1);  // All my days…, in either language
  DaysListWindow* list = ui->my_days.listWindow;
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->list->size(), 1);
  EXPECT_STREQ(list->list->text(1),
               Tr("No days yet. To add one, double-click a day of the month, or pick it and press Enter."));
  ClickLine(list->list, 1);
  Settle();
  EXPECT_EQ(Dialog(), nullptr);
  DoubleClick(ui->grid->cells[29]);  // Hdar 29: a holiday, in the Fast of the Prophets
  Settle();
  for (int round = 0; round < 2; ++round) {
    const bool amharic = ui->style.language == Language::kAmharic;
    const std::string facts = Dialog()->facts->label();
    EXPECT_EQ(facts.find(amharic ? "የብሔር ብሔረሰቦች ቀን\n" : "Nations, Nationalities and Peoples' Day\n"), 0u) << facts;
    EXPECT_EQ(std::count(facts.begin(), facts.end(), '\n'), 3) << facts;  // Eid al-Adha in 2008, the fast and saint
    MenuBarOf(ui->main_window)->picked(ui->amharic_item);
    Settle();
  }
}

// A day another program adds shows once the window has looked at the file
// again, a second later on the clock it reads; an open dialog's list too.
TEST_F(MyDaysWindow, ReloadsWhenTheFileChangesUnderIt) {
  StartInDialog();
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
  // Two writes of one size within one second differ in their nanoseconds alone.
  constexpr std::time_t kSecond = 1228000000;
  const struct {
    const char* name;
    long nanoseconds;
  } kWrites[] = {{"Added first", 100}, {"Added again", 200}};
  for (const auto& w : kWrites) {
    std::ofstream(file, std::ios::binary) << Calendar(Event("a@test", "20081129", w.name));
    const timespec written[2] = {{kSecond, w.nanoseconds}, {kSecond, w.nanoseconds}};
    utimensat(AT_FDCWD, file.c_str(), written, 0);
    AdvanceClock(DaysKeeper::kLookEvery);
    Settle();
    EXPECT_STREQ(Tip(20), w.name);
  }
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
  answerWith = "Discard";  // what the refused save left typed
  ClickLine(Dialog()->list, 1);
  answerWith = "Delete";
  Click(Dialog()->delete_button);
  EXPECT_EQ(alerts.size(), 3u);
  std::ofstream(file, std::ios::binary | std::ios::app) << "STILL NOT A LINE\r\n";
  AdvanceClock(DaysKeeper::kLookEvery);
  Settle();
  EXPECT_EQ(alerts.size(), 3u);  // not said again
  EXPECT_EQ(ReadFile(file), broken + "STILL NOT A LINE\r\n");
}

}  // namespace
