// The day dialog's questions and what it keeps while they are up.
#include "my_days_fixture.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>

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

// While the question is up another program writes the file, and the window
// reads it again; then the answer, given as the row says.
struct Reply {
  std::string file, text;
  int key;               // typed, or 0
  const char* clicked;   // else the button clicked
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
  const struct {
    int key;
    const char* clicked;
    bool deleted;
  } kReplies[] = {{FL_Enter, nullptr, false}, {FL_Escape, nullptr, false}, {0, "Delete", true}};
  for (const auto& r : kReplies) {
    Start(Calendar(both));
    Dialogs::ask = kRealAsk;
    TypeKey(ui->main_window, FL_Enter, 0, "\r");
    Settle();
    ClickLine(Dialog()->list, 2);
    Reply reply{file, three, r.key, r.clicked};
    WhenModal(ChangeFileThenAnswer, &reply);
    Click(Dialog()->delete_button);
    const std::string text = ReadFile(file);
    EXPECT_EQ(text.find("Mimi") == std::string::npos, r.deleted) << r.key;
    EXPECT_NE(text.find("Added outside"), std::string::npos);
    EXPECT_EQ(Dialog()->list->size(), r.deleted ? 2 : 3);
    ui->main_window->hide();
    ui.reset();
  }
}

}  // namespace
