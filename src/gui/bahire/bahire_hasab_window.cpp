#include "gui/bahire/bahire_hasab_window.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>

#include "core/calendar/calendar_date.h"
#include "gui/bahire/hasab_rows.h"
#include "gui/fonts/ethiopic_face.h"
#include "core/locale/translation.h"
#include "gui/pictures/app_icon.h"

namespace {

constexpr int kMargin = 8;
constexpr int kButtonSize = 25;
constexpr int kColumnGap = 16;      // between two columns' texts
constexpr int kTableFrame = 8;      // the table's border and its text's inset, both sides
constexpr Fl_Fontsize kTextSize = 14;
constexpr int kFirstHasabYear = 1;

}  // namespace

BahireHasabWindow::BahireHasabWindow(int ethiopianYear, TextStyle textStyle) : year(ethiopianYear), style(textStyle) {
  window = new Fl_Window(1, 1);
  window->user_data(this);
  window->callback(cb_close, this);
  previous = new Fl_Button(kMargin, kMargin, kButtonSize, kButtonSize, "@<");
  next = new Fl_Button(kMargin + kButtonSize, kMargin, kButtonSize, kButtonSize, "@>");
  for (Fl_Button* button : {previous, next}) {
    button->callback(cb_step, this);
    button->clear_visible_focus();
  }
  previous->tooltip(Tr("Last year", style.language));
  next->tooltip(Tr("Next year", style.language));
  const int top = 2 * kMargin + kButtonSize;
  table = new HasabTable(kMargin, top, 1, 1);
  table->textfont(EthiopicFont());
  table->textsize(kTextSize);
  table->column_char('\t');
  table->format_char(0);  // no formatting marks: a name is shown as written
  window->resizable(table);
  SetAppIcon(window);
  window->end();
  ShowYear(year);
}

BahireHasabWindow::~BahireHasabWindow() { Fl::delete_widget(window); }

void BahireHasabWindow::ShowYear(int shown) {
  year = shown;
  const std::string title = Tr("Bahire Hasab", style.language) + (" " + NumberIn(year, style));
  window->copy_label(title.c_str());
  previous->activate();
  next->activate();
  if (year <= kFirstHasabYear) previous->deactivate();
  if (year >= kLastFourDigitYear) next->deactivate();
  table->clear();
  columns.assign(1, 0);
  fl_font(table->textfont(), table->textsize());
  for (const HasabRow& row : HasabRows(year, style)) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c + 1 >= columns.size()) columns.insert(columns.end() - 1, 0);
      // A heading, alone on its row, may run across the columns.
      if (row.size() > 1) columns[c] = std::max(columns[c], static_cast<int>(fl_width(row[c].c_str())) + kColumnGap);
      line += (c ? "\t" : "") + row[c];
    }
    table->add(line.c_str());
  }
  table->column_widths(columns.data());
  FitToTable();
}

// The window grows to show the whole table, and never shrinks below it.
void BahireHasabWindow::FitToTable() {
  int width = 2 * kMargin + kTableFrame + Fl::scrollbar_size();
  for (int column : columns) width += column;
  const int height = table->y() + table->LinesHeight() + kTableFrame + kMargin;
  window->size_range(width, height);
  // Laid out by hand: the toolkit would stretch the buttons with the window.
  window->resizable(nullptr);
  window->size(std::max(window->w(), width), std::max(window->h(), height));
  table->size(window->w() - 2 * kMargin, window->h() - table->y() - kMargin);
  window->resizable(table);
}

void BahireHasabWindow::Show() { window->show(); }

void BahireHasabWindow::cb_close(Fl_Widget* window, void* data) {
  window->hide();
  delete static_cast<BahireHasabWindow*>(data);
}

void BahireHasabWindow::cb_step(Fl_Widget* button, void* data) {
  auto* shown = static_cast<BahireHasabWindow*>(data);
  shown->ShowYear(shown->year + (button == shown->next ? 1 : -1));
}

void OpenBahireHasabWindow(int ethiopianYear, TextStyle style) {
  (new BahireHasabWindow(ethiopianYear, style))->Show();
}
