// The day dialog's questions and what it keeps while they are up.
#include "my_days_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/x.H>
#include <X11/Xatom.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "core/locale/translation.h"

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

}  // namespace
