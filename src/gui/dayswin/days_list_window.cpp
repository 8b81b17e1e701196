#include "gui/dayswin/days_list_window.h"

#include <string>
#include <utility>

#include "core/days/listing.h"
#include "gui/dayswin/day_texts.h"
#include "gui/fonts/ethiopic_face.h"
#include "core/locale/translation.h"
#include "gui/pictures/app_icon.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 300;
constexpr int kMargin = 5;
// Ethiopian date, Gregorian date, name, then the repeat, the rest of the line.
const int kColumns[] = {130, 150, 200, 0};

}  // namespace

DaysListWindow::DaysListWindow(const DaysKeeper& days, std::function<void(int32_t)> onPick)
    : Fl_Window(kWidth, kHeight), keeper(days), pick(std::move(onPick)) {
  list = new Fl_Hold_Browser(kMargin, kMargin, kWidth - 2 * kMargin, kHeight - 2 * kMargin);
  list->textfont(EthiopicFont());
  list->format_char(0);  // names are shown as typed
  list->column_widths(kColumns);
  list->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY_ALWAYS);
  list->callback(cb_list);
  end();
  resizable(list);
  SetAppIcon(this);
}

void DaysListWindow::Open(int32_t day, TextStyle textStyle) {
  today = day;
  Restyle(textStyle);
  show();
}

void DaysListWindow::Restyle(TextStyle textStyle) {
  style = textStyle;
  label(Tr("All my days"));
  ShowDays();
}

void DaysListWindow::ShowDays() {
  const std::vector<UserDay>& days = keeper.Days();
  list->clear();
  lineDays.clear();
  for (const ListedDay& listed : DaysInListOrder(days, today)) {
    const DatePair date = DatePair::OfDay(listed.day);
    const UserDay& day = days[listed.index];
    list->add((DateIn(date, Ethiopian, style) + "\t" + DateIn(date, Gregorian, style) + "\t" + day.name + "\t" +
               RepeatName(day.repeat))
                  .c_str());
    lineDays.push_back(listed.day);
  }
}

void DaysListWindow::cb_list(Fl_Widget* w, void*) {
  auto* window = static_cast<DaysListWindow*>(w->window());
  const int line = window->list->value();
  if (line > 0 && window->pick) window->pick(window->lineDays[line - 1]);
}
