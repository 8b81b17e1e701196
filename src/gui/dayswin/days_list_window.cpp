#include "gui/dayswin/days_list_window.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>
#include <utility>

#include "core/days/listing.h"
#include "core/days/memorial.h"
#include "gui/dayswin/day_texts.h"
#include "gui/fonts/ethiopic_face.h"
#include "core/locale/translation.h"
#include "gui/pictures/app_icon.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 300;
constexpr int kMargin = 5;
constexpr int kColumnGap = 15;  // between one column's longest text and the next column
// Ethiopian date, Gregorian date, name, then the repeat, the rest of the line.
const char* const kHeadings[] = {N_("Ethiopian date"), N_("Gregorian date"), N_("Name"), N_("Repeat")};
constexpr int kColumns = static_cast<int>(std::size(kHeadings));
const char kEmptyText[] =
    N_("No days yet. To add one, double-click a day of the month, or pick it and press Enter.");

template <class List>
List* MakeList(List* list) {
  list->textfont(EthiopicFont());
  list->format_char(0);  // names are shown as typed
  return list;
}

// The line's columns, split at the tabs.
std::vector<std::string> Columns(const std::string& line) {
  std::vector<std::string> columns;
  std::size_t from = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string::npos; from = tab + 1, tab = line.find('\t', from)) {
    columns.push_back(line.substr(from, tab - from));
  }
  columns.push_back(line.substr(from));
  return columns;
}

}  // namespace

// The lists stretch with the window, and their text grows with it.
DaysListWindow::DaysListWindow(const DaysKeeper& days, std::function<void(int32_t)> onPick)
    : GrowingWindow(kWidth, kHeight, nullptr), keeper(days), pick(std::move(onPick)) {
  const int headingHeight = FL_NORMAL_SIZE + 2 * Fl::box_dh(FL_DOWN_BOX);
  heading = MakeList(new Fl_Browser(kMargin, kMargin, kWidth - 2 * kMargin, headingHeight));
  heading->has_scrollbar(0);
  heading->box(FL_FLAT_BOX);
  heading->color(FL_BACKGROUND_COLOR);
  list = MakeList(
      new Fl_Hold_Browser(kMargin, kMargin + headingHeight, kWidth - 2 * kMargin, kHeight - 2 * kMargin - headingHeight));
  list->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY_ALWAYS);
  list->callback(cb_list);
  end();
  resizable(this);
  size_range(kWidth, kHeight);
  relayout = [this](double scale) {
    GrowText(this, scale);
    FitColumns();
  };
  SetAppIcon(this);
  SizeForScreen();
}

// The columns fit what they show as the window opens, the window widened to
// them as far as the screen allows.
void DaysListWindow::Open(int32_t day, TextStyle textStyle) {
  today = day;
  Restyle(textStyle);
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, x(), y());
  const int fitting = fullWidth + Fl::scrollbar_size() + 2 * kMargin + Fl::box_dw(list->box());
  size(std::min(std::max(fitting, kWidth), sw), h());
  show();
}

void DaysListWindow::Restyle(TextStyle textStyle) {
  style = textStyle;
  label(Tr("All my days"));
  std::string headings;
  for (const char* text : kHeadings) headings += std::string(headings.empty() ? "" : "\t") + Tr(text);
  heading->clear();
  heading->add(headings.c_str());
  ShowDays();
}

void DaysListWindow::ShowDays() {
  const std::vector<UserDay>& days = keeper.Days();
  list->clear();
  lineDays.clear();
  for (const ListedDay& listed : DaysInListOrder(days, today)) {
    const DatePair date = DatePair::OfDay(listed.day);
    const UserDay& day = days[listed.index];
    const int which = listed.next ? listed.next->memorial : 0;
    list->add((DateIn(date, Ethiopian, style) + "\t" + DateIn(date, Gregorian, style) + "\t" + day.name + "\t" +
               WithObservance(RepeatName(day.repeat), which, style.language))
                  .c_str());
    lineDays.push_back(listed.day);
  }
  if (days.empty()) list->add(Tr(kEmptyText));
  FitColumns();
}

// Each column as wide as its widest text, heading included; the last one
// reads to the line's end.
void DaysListWindow::FitColumns() {
  if (!heading->size()) return;  // not yet styled
  fl_font(list->textfont(), list->textsize());
  int widths[kColumns] = {};
  const int lines = lineDays.empty() ? 0 : list->size();  // the empty list's one line spans them all
  for (int line = 0; line <= lines; ++line) {
    const std::vector<std::string> columns = Columns(line == 0 ? heading->text(1) : list->text(line));
    for (int c = 0; c < kColumns && c < static_cast<int>(columns.size()); ++c) {
      widths[c] = std::max(widths[c], static_cast<int>(fl_width(columns[c].c_str())) + kColumnGap);
    }
  }
  std::copy(widths, widths + kColumns - 1, columnWidths);
  fullWidth = 0;
  for (int width : widths) fullWidth += width;
  heading->column_widths(columnWidths);
  list->column_widths(columnWidths);
  list->redraw();
  heading->redraw();
}

// The empty list's line stands for no day.
void DaysListWindow::cb_list(Fl_Widget* w, void*) {
  auto* window = static_cast<DaysListWindow*>(w->window());
  const int line = window->list->value();
  if (line > 0 && line <= static_cast<int>(window->lineDays.size()) && window->pick) window->pick(window->lineDays[line - 1]);
}
