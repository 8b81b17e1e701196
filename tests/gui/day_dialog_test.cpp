// The day dialog's questions and what it keeps while they are up.
#include "my_days_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "core/locale/translation.h"
#include "core/remind/remind_settings.h"
#include "gui/clock/reckoning_clock.h"
#include "gui/dayswin/reminder_editor.h"
#include "gui/remind/window_reminders.h"

namespace {

using namespace days_fixtures;

// The program's own question, which runs an event loop of its own.
const auto kRealAsk = Dialogs::ask;

// The button of the shown question labelled name in the language shown, or nullptr.
Fl_Widget* QuestionButton(const char* name) {
  Fl_Window* question = Fl::modal();
  for (int i = 0; question && i < question->children(); ++i) {
    Fl_Widget* child = question->child(i);
    if (child->label() && std::string(child->label()) == Tr(name)) return child;
  }
  return nullptr;
}

// While the real question is up another program writes the file and the
// window reads it again; then the answer: a key typed, else the button clicked.
struct Reply {
  std::string file, text;
  int key;
  const char* clicked;
};
void ChangeFileThenAnswer(void* data) {
  const Reply& reply = *static_cast<Reply*>(data);
  std::ofstream(reply.file, std::ios::binary) << reply.text;
  AdvanceClock(DaysKeeper::kLookEvery);
  Settle();
  ASSERT_NE(Fl::modal(), nullptr);
  EXPECT_NE(QuestionButton("Delete"), nullptr);  // named for what it does
  if (reply.key) return TypeKey(Fl::modal(), reply.key, 0, reply.key == FL_Enter ? "\r" : "\x1b");
  Click(QuestionButton(reply.clicked));
}

// Enter and Escape keep the day; Delete deletes the one asked about, found
// by its UID after the file was read again.
TEST_F(MyDaysWindow, DeleteOutlivesAReloadWhileAsked) {
  const std::string both = Event("a@test", "20081129", "Abebe") + Event("b@test", "20081129", "Mimi");
  const std::string three = Calendar(both + Event("c@test", "20081129", "Added outside"));
  Reply replies[] = {{file, three, FL_Enter, nullptr}, {file, three, FL_Escape, nullptr}, {file, three, 0, "Delete"}};
  for (Reply& r : replies) {
    StartInDialog(Calendar(both));
    Dialogs::ask = kRealAsk;
    ClickLine(Dialog()->list, 2);
    WhenModal(ChangeFileThenAnswer, &r);
    Click(Dialog()->delete_button);
    const std::string text = ReadFile(file);
    const bool deleted = r.clicked != nullptr;
    EXPECT_EQ(text.find("Mimi") == std::string::npos, deleted) << r.key;
    EXPECT_NE(text.find("Added outside"), std::string::npos);
    EXPECT_EQ(Dialog()->list->size(), deleted ? 2 : 3);
  }
}

// The ways of leaving typed text: the dialog's Escape and close button, a
// double-click on another day, the main window's Ctrl+Q and close button.
void Escape(CalendarUi& ui) { TypeKey(ui.my_days.dialog, FL_Escape, 0, "\x1b"); }
void CloseDialog(CalendarUi& ui) { Fl::handle(FL_CLOSE, ui.my_days.dialog); }
void OtherDay(CalendarUi& ui) { DoubleClick(ui.grid->cells[25]); }
void Quit(CalendarUi& ui) { TypeKey(ui.main_window, 'q', FL_CTRL, "\x11"); }
void CloseMain(CalendarUi& ui) { Fl::handle(FL_CLOSE, ui.main_window); }

// Typed text left is asked about: Cancel stays with it, Discard lets it go,
// Save keeps it on the day it was typed for; Save is the default.
TEST_F(MyDaysWindow, NothingTypedIsLost) {
  const struct {
    void (*leave)(CalendarUi&);
    const char* answer;
    bool stays;  // on Hdar 20, the text still typed
  } kLeaves[] = {{Escape, "Cancel", true},   {Escape, "Discard", false}, {CloseDialog, "Save", false},
                 {CloseDialog, "Cancel", true}, {OtherDay, "Save", false}, {Quit, "Discard", false},
                 {CloseMain, "Cancel", true}};
  for (const auto& l : kLeaves) {
    const std::string row = std::to_string(&l - kLeaves) + " " + l.answer;
    StartInDialog();
    TypeText(Dialog()->name, "typed");
    Click(ui->grid->cells[22]);  // the main window's pick does not take the dialog from what is typed
    answerWith = l.answer;
    questions.clear();
    l.leave(*ui);
    Settle();
    ASSERT_EQ(questions.size(), 1u) << row;
    EXPECT_STREQ(questions[0].answers[questions[0].preferred], "Save") << row;
    const bool onDay20 = Dialog()->visible() && std::string(Dialog()->dates->label()).find("Hdar 20,") != std::string::npos;
    EXPECT_EQ(onDay20, l.stays) << row;
    const bool mainLeft = l.leave == Quit || l.leave == CloseMain;
    EXPECT_EQ(ui->main_window->visible() != 0, !mainLeft || l.stays) << row;
    EXPECT_EQ(l.stays, Dialog()->name->value() == std::string("typed")) << row;
    EXPECT_EQ(ReadFile(file).find("SUMMARY:typed") != std::string::npos, l.answer == std::string("Save")) << row;
  }
}

// Enter saves from the name and the repeat, and Ctrl+Enter from the note,
// where Enter starts a new line.
TEST_F(MyDaysWindow, EnterSaves) {
  StartInDialog();
  const struct {
    Fl_Widget* field;
    int state;
    const char* name;
  } kEnters[] = {{Dialog()->name, 0, "from name"}, {Dialog()->repeat, 0, "from repeat"},
                 {Dialog()->note, FL_CTRL, "from note"}};
  for (const auto& e : kEnters) {
    TypeOver(Dialog()->name, e.name);
    TypeOver(Dialog()->note, "a");
    TypeKey(Dialog()->note, FL_Enter, 0, "\r");  // a new line, not a save
    TypeText(Dialog()->note, "b");
    e.field->take_focus();
    TypeKey(e.field, FL_Enter, e.state, "\r");
    EXPECT_NE(ReadFile(file).find(std::string("SUMMARY:") + e.name + "\r\nDESCRIPTION:a\\nb"), std::string::npos) << e.name;
  }
}

// The dialog opens where it covers none of the main window, whether that
// stands at the screen's edge or in its middle, on this screen and on a
// small one (the same test under another server), and is kept above it by
// the window manager.
TEST_F(MyDaysWindow, OpensBesideTheMainWindowAndAboveIt) {
  for (const bool middle : {false, true}) {
    Start();
    Fl_Window& main = *ui->main_window;
    if (middle) main.position((Fl::w() - main.w()) / 2, (Fl::h() - main.h()) / 2);
    TypeKey(&main, FL_Enter, 0, "\r");
    Settle();
    const Fl_Window& dialog = *Dialog();
    const bool apart = dialog.x() >= main.x() + main.w() || dialog.x() + dialog.w() <= main.x() ||
                       dialog.y() >= main.y() + main.h() || dialog.y() + dialog.h() <= main.y();
    EXPECT_TRUE(apart) << dialog.x() << "," << dialog.y() << " beside " << main.x() << "," << main.y();
    EXPECT_GE(std::min(main.x(), dialog.x()), 0);
    EXPECT_LE(std::max(main.x() + main.w(), dialog.x() + dialog.w()), Fl::w());
    Window above = 0;
    XGetTransientForHint(fl_display, fl_xid(Dialog()), &above);
    EXPECT_EQ(above, fl_xid(ui->main_window));
  }
}

// At Xft.dpi 192 every window opens twice its usual size, text and all, and
// the day dialog grows further with the window.
TEST_F(MyDaysWindow, WindowsOpenAtTheScreensScaleAndGrow) {
  const Window root = RootWindow(fl_display, fl_screen);
  const std::string resources = "Xft.dpi:\t192\n";
  XChangeProperty(fl_display, root, XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(resources.c_str()), static_cast<int>(resources.size()));
  StartInDialog();
  EXPECT_EQ(ui->main_window->w(), 700);
  EXPECT_EQ(ui->today->labelsize(), 28);
  XDeleteProperty(fl_display, root, XA_RESOURCE_MANAGER);
  EXPECT_EQ(Dialog()->w(), 760);
  EXPECT_EQ(Dialog()->name->textsize(), 28);
  EXPECT_EQ(Dialog()->name->labelsize(), 28);
  Dialog()->size(1140, Dialog()->h() * 3 / 2);
  EXPECT_EQ(Dialog()->name->textsize(), 42);
  EXPECT_EQ(Dialog()->list->textsize(), 42);
}

// A reminder of a day as days.ics holds it.
std::string Alarm(const char* trigger) {
  return std::string("BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:") + trigger + "\r\nDESCRIPTION:x\r\nEND:VALARM\r\n";
}

// The lines of a list, one after another.
std::string Lines(const Fl_Browser* list) {
  std::string lines;
  for (int i = 1; i <= list->size(); ++i) lines += std::string(i > 1 ? "\n" : "") + list->text(i);
  return lines;
}

// A day's reminders listed, added (by Enter in either field or by Add), each
// once, refused when unreadable, removed, asked about when left unsaved, and
// saved beside another program's alarm; the day's tooltip names the next.
TEST_F(MyDaysWindow, RemindersShownAndChanged) {
  FixClock(2008, 11, 20, 9, 0, 0);  // Hdar 11: the day's reminders are all to come
  const std::string foreign = "BEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER;VALUE=DATE-TIME:20081128T070000Z\r\nEND:VALARM\r\n";
  Start(Calendar(Event("a@test", "20081129", "Abebe", (Alarm("PT9H") + foreign).c_str())));
  DoubleClick(ui->grid->cells[20]);
  Settle();
  ClickLine(Dialog()->list, 1);
  ReminderEditor& editor = *Dialog()->reminders;
  EXPECT_EQ(Lines(editor.list), "On the day at 09:00");
  const struct {
    const char *days, *time;
    Fl_Widget* enterIn;  // else Add clicked
    const char* lines;
  } kAdds[] = {
      {"7", "18:00", editor.time, "7 days before at 18:00\nOn the day at 09:00"},
      {"1", "9:5", editor.daysBefore, "7 days before at 18:00\nOn the day at 09:00"},
      {"0", "09:00", nullptr, "7 days before at 18:00\nOn the day at 09:00"},
      {"1", "06:30", nullptr, "7 days before at 18:00\nThe day before at 06:30\nOn the day at 09:00"},
  };
  for (const auto& a : kAdds) {
    TypeOver(editor.daysBefore, a.days);
    TypeOver(editor.time, a.time);
    a.enterIn ? TypeKey(a.enterIn, FL_Enter, 0, "\r") : Click(editor.add);
    EXPECT_EQ(Lines(editor.list), a.lines) << a.days << " " << a.time;
  }
  EXPECT_EQ(alerts.size(), 1u);  // 9:5
  EXPECT_EQ(ReadFile(file).find("TRIGGER:-P6DT6H"), std::string::npos);  // Enter added, and saved nothing
  ClickLine(editor.list, 2);
  Click(editor.remove);
  TypeKey(Dialog(), FL_Escape, 0, "\x1b");
  EXPECT_EQ(questions.size(), 1u);  // the reminders changed: Cancel, and still shown
  Click(Dialog()->save_button);
  const std::string text = ReadFile(file);
  for (const char* kept : {"TRIGGER:-P6DT6H\r\n", "TRIGGER:PT9H\r\n", "ACTION:AUDIO\r\n"}) {
    EXPECT_NE(text.find(kept), std::string::npos) << kept;
  }
  EXPECT_EQ(text.find("TRIGGER:-PT17H30M"), std::string::npos);  // the one removed
  EXPECT_STREQ(Tip(20), "Abebe\nNext reminder: qidame, Hdar 13, 2001 (Saturday, November 22, 2008) at 18:00");
  // A new day is offered the reminders the terminal gives it, which follow its repeat.
  Click(Dialog()->new_button);
  EXPECT_EQ(Lines(editor.list), "On the day at 08:00");
  int toMemorial = 3;
  WhenModal(ChooseInOpenMenu, &toMemorial);
  Click(Dialog()->repeat);
  EXPECT_EQ(Lines(editor.list), "7 days before at 08:00\nOn the day at 08:00");
}

// Stands in for `zelmora remind`: notes how it was started in folder/opened,
// lingers a second and notes its end.
std::string standIn;
std::string StandIn() { return standIn; }

// On the small clock's tick, a reminder due since the last look starts the
// terminal's remind, in the language shown, without waiting for it; a later
// tick reaps it and starts nothing more. The Tool menu's checks and the
// terminal's settings are one.
TEST_F(MyDaysWindow, RemindersRunTheTerminalOnTheTick) {
  const auto realProgram = WindowReminders::program;
  const ReckoningClock::Timer realTimer = ReckoningClock::timer;
  standIn = data.path + "/terminal";
  const std::string opened = data.path + "/opened";
  std::ofstream(standIn) << "#!/bin/sh\necho \"$*\" >> '" << opened << "'\nsleep 1\necho ended >> '" << opened << "'\n";
  chmod(standIn.c_str(), 0755);
  WindowReminders::program = StandIn;
  ReckoningClock::timer = {ArmRecorded, CancelRecorded};
  const struct {
    int day, hour;        // of November 2008: the tick crosses into that hour
    const char* trigger;  // of the day's reminder
    bool fasts, amharic;
    const char* started;  // "" when nothing falls due
  } kTicks[] = {
      {29, 9, "PT9H", false, false, "remind\n"},
      {29, 9, "PT10H", false, false, ""},
      {23, 18, "PT10H", true, false, "remind\n"},  // the eve of the Fast of the Prophets
      {29, 9, "PT9H", false, true, "remind --amharic\n"},
  };
  std::string why;
  for (const auto& t : kTicks) {
    unlink(opened.c_str());
    ASSERT_TRUE(SaveRemindSettings({t.fasts, false}, &why)) << why;
    FixClock(2008, 11, t.day, t.hour - 1, 59, 30);
    pendingTimeouts.clear();
    Start(Calendar(Event("a@test", "20081129", "Abebe", Alarm(t.trigger).c_str())));
    if (t.amharic) Pick("Tool/Amharic");
    RunNextTimeout(30);
    EXPECT_EQ(OpenedIn(data.path), t.started) << t.day;  // started, and not yet ended
    if (!*t.started) continue;
    siginfo_t ended{};  // its end, left for the window to reap
    for (int i = 0; i < 250 && !ended.si_pid; ++i) {
      waitid(P_ALL, 0, &ended, WEXITED | WNOHANG | WNOWAIT);
      usleep(20000);
    }
    RunNextTimeout(60);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << t.day;  // reaped
    EXPECT_EQ(ReadFile(opened), std::string(t.started) + "ended\n");
  }
  Start();  // in Amharic, as the last row left it
  const auto item = [](const char* label) { return std::string(Tr("Tool")) + "/" + Tr(label); };
  Pick(item("Remind of feasts").c_str());
  EXPECT_TRUE(LoadRemindSettings().feasts);
  ASSERT_TRUE(SaveRemindSettings({true, false}, &why));  // as zelmora remind --fasts on --feasts off leaves them
  RunNextTimeout(60);
  Fl_Menu_Bar* bar = MenuBarOf(ui->main_window);
  ASSERT_NE(bar->find_item(item("Remind of fasts").c_str()), nullptr);
  EXPECT_NE(bar->find_item(item("Remind of fasts").c_str())->value(), 0);
  EXPECT_EQ(bar->find_item(item("Remind of feasts").c_str())->value(), 0);
  WindowReminders::program = realProgram;
  ReckoningClock::timer = realTimer;
}

}  // namespace
