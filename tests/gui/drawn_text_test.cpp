// What the windows draw, in each language and numerals, at their opening
// sizes: no Ethiopic letter or numeral drawn as the face's box for a
// missing glyph, no text wider than its place, every day number readable.
#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "gui/bahire/bahire_hasab_window.h"
#include "gui/clock/clock_window.h"
#include "gui/fonts/fitting_size.h"
#include "gui/mainwin/calendar_ui.h"

namespace {

// One text as a widget draws it: its face and size, and the width it has.
struct Drawn {
  std::string text;
  Fl_Font font;
  Fl_Fontsize size;
  int room;  // 0: not measured, only its letters checked
  std::string where;
};

// The lines of a text.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) lines.push_back(text.substr(at, end - at));
  lines.push_back(text.substr(at));
  return lines;
}

// The table's cells against their columns, the last taking what is left.
void CollectTable(const Fl_Browser* table, std::vector<Drawn>& drawn) {
  const int* columns = table->column_widths();
  for (int line = 1; line <= table->size(); ++line) {
    const std::string row = table->text(line);
    int c = 0, left = table->w() - Fl::scrollbar_size() - kFieldTextInsets;
    for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1, ++c) {
      end = row.find('\t', at);
      const bool last = end == std::string::npos || !columns[c];
      const int room = last ? left : columns[c];
      drawn.push_back({row.substr(at, end == std::string::npos ? end : end - at), table->textfont(), table->textsize(),
                       room, "table line " + std::to_string(line)});
      if (!last) left -= columns[c];
    }
  }
}

// Every shown text of the group's shown widgets, with the tooltips' too.
void Collect(const Fl_Group* group, std::vector<Drawn>& drawn) {
  for (int i = 0; i < group->children(); ++i) {
    Fl_Widget* w = group->child(i);
    if (!w->visible()) continue;
    if (w->tooltip()) drawn.push_back({w->tooltip(), Fl_Tooltip::font(), Fl_Tooltip::size(), 0, "tooltip"});
    if (const auto* table = dynamic_cast<const Fl_Browser*>(w)) {
      CollectTable(table, drawn);
    } else if (const auto* field = dynamic_cast<const Fl_Input_*>(w)) {
      for (const std::string& line : Lines(field->value()))
        drawn.push_back({line, field->textfont(), field->textsize(), field->w() - kFieldTextInsets, "field"});
    } else if (const auto* menu = dynamic_cast<const Fl_Menu_*>(w)) {
      for (int m = 0; m < menu->size(); ++m) {
        const Fl_Menu_Item& item = menu->menu()[m];
        // An item's face and size of 0 stand for its menu's own.
        const Fl_Font font = item.labelfont() ? item.labelfont() : menu->textfont();
        const Fl_Fontsize size = item.labelsize() ? item.labelsize() : menu->textsize();
        if (item.label() && item.visible()) drawn.push_back({item.label(), font, size, 0, "menu"});
      }
      if (const auto* choice = dynamic_cast<const Fl_Choice*>(w); choice && choice->text()) {
        drawn.push_back({choice->text(), choice->textfont(), choice->textsize(), choice->w() - choice->h(), "choice"});
      }
    } else if (w->label() && w->label()[0] != '@' && (w->align() & FL_ALIGN_INSIDE || w->align() == FL_ALIGN_CENTER)) {
      drawn.push_back({w->label(), w->labelfont(), w->labelsize(), w->w(), "label"});
    }
    if (const auto* inner = w->as_group(); inner && !dynamic_cast<const Fl_Browser*>(w)) Collect(inner, drawn);
  }
}

// The pixels one character draws in a face, black on white.
std::vector<uchar> Glyph(const std::string& character, Fl_Font font, Fl_Fontsize size) {
  constexpr int kSide = 64;
  const Fl_Offscreen canvas = fl_create_offscreen(kSide, kSide);
  fl_begin_offscreen(canvas);
  fl_color(FL_WHITE);
  fl_rectf(0, 0, kSide, kSide);
  fl_color(FL_BLACK);
  fl_font(font, size);
  fl_draw(character.c_str(), kSide / 4, kSide / 2);
  std::vector<uchar> pixels(kSide * kSide * 3);
  fl_read_image(pixels.data(), 0, 0, kSide, kSide);
  fl_end_offscreen();
  fl_delete_offscreen(canvas);
  return pixels;
}

// The Ethiopic characters (U+1200 to U+139F) of a UTF-8 text, one by one.
std::vector<std::string> EthiopicCharacters(const std::string& text) {
  std::vector<std::string> found;
  for (std::size_t at = 0; at + 2 < text.size(); ++at) {
    const auto lead = static_cast<unsigned char>(text[at]), second = static_cast<unsigned char>(text[at + 1]);
    if (lead == 0xE1 && second >= 0x88 && second <= 0x8E) found.push_back(text.substr(at, 3));
  }
  return found;
}

// No Ethiopic character is drawn as the box a face draws for a glyph it
// lacks (an unassigned code point's); no text is wider than its place.
void ExpectDrawnWhole(const std::vector<Drawn>& drawn, const std::string& where) {
  std::map<std::pair<std::string, Fl_Font>, bool> checked;
  for (const Drawn& d : drawn) {
    for (const std::string& character : EthiopicCharacters(d.text)) {
      if (!checked.emplace(std::make_pair(character, d.font), true).second) continue;
      EXPECT_NE(Glyph(character, d.font, d.size), Glyph("\u0378", d.font, d.size))
          << where << ", " << d.where << ": " << character << " of " << d.text << " drawn as a box";
    }
    if (!d.room) continue;
    fl_font(d.font, d.size);
    EXPECT_LE(fl_width(d.text.c_str()), d.room) << where << ", " << d.where << ": " << d.text << " clipped";
  }
}

class DrawnText : public ::testing::Test {
 protected:
  void SetUp() override {
    FixClock(2008, 11, 29, 9, 0, 0);  // Hdar 20, 2001
    ShowMainWindow(ui);
    ui.main_window->wait_for_expose();  // the cells fit their numbers as they are first drawn
    Settle();
  }
  void TearDown() override { ui.main_window->hide(); }
  void Pick(Fl_Menu_Item* item, bool on) {
    if ((item->value() != 0) != on) MenuBarOf(ui.main_window)->picked(item);
  }
  // What the window that a Tool item opens draws; then it is closed.
  std::vector<Drawn> ToolWindow(const char* item) {
    MenuBarOf(ui.main_window)->picked(MenuBarOf(ui.main_window)->find_item(item));
    Settle();
    std::vector<Drawn> drawn;
    // The program's own windows know their object; a tooltip's does not.
    Fl_Window* shown = Fl::first_window();
    while (shown && (shown == ui.main_window || !shown->user_data())) shown = Fl::next_window(shown);
    if (shown) {
      Collect(shown, drawn);
      Fl::handle(FL_CLOSE, shown);
      Settle();
    }
    return drawn;
  }

  CalendarUi ui;
};

TEST_F(DrawnText, NoBoxesNothingClippedInEitherLanguage) {
  const struct {
    bool amharic, geez;
    const char* clock;
    const char* hasab;
  } kStyles[] = {{false, false, "Tool/Clock", "Tool/Bahire Hasab"},
                 {false, true, "Tool/Clock", "Tool/Bahire Hasab"},
                 {true, false, "መሣሪያ/ሰዓት", "መሣሪያ/ባሕረ ሐሳብ"},
                 {true, true, "መሣሪያ/ሰዓት", "መሣሪያ/ባሕረ ሐሳብ"}};
  for (const auto& style : kStyles) {
    const std::string where = std::string(style.amharic ? "Amharic" : "English") + (style.geez ? ", Ge'ez" : "");
    Pick(ui.holidays_item, true);
    Pick(ui.amharic_item, style.amharic);
    Pick(ui.geez_item, style.geez);
    for (CalendarKind base : {Ethiopian, Gregorian}) {
      if (ui.base_kind != base) Click(ui.base_button);
      Settle();
      std::vector<Drawn> drawn;
      Collect(ui.main_window, drawn);
      ExpectDrawnWhole(drawn, where + ", main window");
    }
    ExpectDrawnWhole(ToolWindow(style.clock), where + ", clock");
    const std::vector<Drawn> hasab = ToolWindow(style.hasab);
    EXPECT_GT(hasab.size(), 20u) << where;
    ExpectDrawnWhole(hasab, where + ", Bahire Hasab");
  }
}

// Where a field's text puts its ink, top and bottom: the field centres its
// line, and the text sits on the line's baseline.
std::pair<int, int> InkRows(const Fl_Output* field) {
  fl_font(field->textfont(), field->textsize());
  int dx = 0, dy = 0, inkW = 0, inkH = 0;
  fl_text_extents(field->value(), dx, dy, inkW, inkH);
  const int baseline = field->y() + (field->h() - fl_height()) / 2 + fl_height() - fl_descent();
  return {baseline + dy, baseline + dy + inkH};
}

// With Ge'ez numerals or digits, in either base, at the first size and a
// large one, every day number's ink is at least 10 pixels tall, the number
// fits its field inside its cell, and the base calendar's number is the
// taller, its ink clear of the other's.
TEST_F(DrawnText, DayNumbersReadableAndWhole) {
  for (const auto& [geez, base] : {std::pair{false, Ethiopian}, std::pair{false, Gregorian}, std::pair{true, Ethiopian},
                                   std::pair{true, Gregorian}}) {
    Pick(ui.geez_item, geez);
    if (ui.base_kind != base) Click(ui.base_button);
    for (const auto& [width, height] : {std::pair{350, 345}, std::pair{1000, 900}}) {
      ui.main_window->size(width, height);
      ui.main_window->redraw();
      Fl::flush();
      for (DayCell* cell : ui.grid->cells) {
        if (!cell->visible()) continue;
        for (Fl_Output* field : {cell->primary, cell->secondary}) {
          fl_font(field->textfont(), field->textsize());
          int dx = 0, dy = 0, inkW = 0, inkH = 0;
          fl_text_extents(field->value(), dx, dy, inkW, inkH);
          EXPECT_GE(inkH, DayCell::kSmallestInk) << field->value() << " at size " << field->textsize();
          EXPECT_LE(fl_width(field->value()) + kFieldTextInsets, field->w()) << field->value();
          EXPECT_TRUE(field->x() >= cell->x() && field->y() >= cell->y() &&
                      field->x() + field->w() <= cell->x() + cell->w() &&
                      field->y() + field->h() <= cell->y() + cell->h())
              << field->value();
        }
        const auto [baseTop, baseBottom] = InkRows(cell->primary);
        const auto [otherTop, otherBottom] = InkRows(cell->secondary);
        EXPECT_LT(baseBottom, otherTop) << cell->primary->value() << " over " << cell->secondary->value();
        EXPECT_GT(baseBottom - baseTop, otherBottom - otherTop) << cell->primary->value() << " at " << width;
      }
    }
  }
}

}  // namespace
