// The main window's date lines and texts in the script and language that
// Tool > Amharic and Ge'ez numerals pick.
#include <FL/Fl_Menu_Item.H>
#include <FL/fl_draw.H>

#include <string>
#include <vector>

#include "gui/fonts/ethiopic_face.h"
#include "core/locale/date_format.h"
#include "core/locale/translation.h"
#include "gui/mainwin/calendar_ui.h"
#include "core/folders/folders.h"

namespace {

// A widget's English texts, as it was built.
struct WidgetTexts {
  const char* label;
  const char* tooltip;
};

}  // namespace

// Off, the fixed-width lines in Courier; in Amharic or with Ge'ez numerals,
// the same lines in the Ethiopic face, which has Latin letters and digits too.
// Only a change of language relabels, so a window in English never looks its
// texts up. The English texts are read once, from the first window as built;
// every window is built with the same.
void CalendarUi::ShowScript() {
  const bool styled = style.language != Language::kEnglish || style.geez;
  dates_output->textfont(styled ? EthiopicFont() : FL_COURIER);
  // The Ethiopic face's letters have their own widths: the columns line up as it draws them.
  const TextWidth drawn = [this](const std::string& text) {
    fl_font(dates_output->textfont(), dates_output->textsize());
    return fl_width(text.c_str());
  };
  dates_output->value(styled ? DateLinesIn(date, style, drawn).c_str() : date.Format());
  grid->style = style;
  if (style.language == language_shown) return;
  language_shown = style.language;
  static const bool bound = (BindCatalog(CatalogFolder()), true);
  static_cast<void>(bound);
  const std::vector<Fl_Widget*> widgets = {base_button, last_year, last_month, yesterday, today,
                                           month_choice, tomorrow, next_month, next_year};
  static std::vector<const char*> menuTexts;
  static std::vector<WidgetTexts> widgetTexts;
  const int items = main_menu[0].size();
  if (menuTexts.empty()) {
    for (int i = 0; i < items; ++i) menuTexts.push_back(main_menu[i].label());
    for (Fl_Widget* widget : widgets) widgetTexts.push_back({widget->label(), widget->tooltip()});
  }
  SpeakLanguage(style.language);
  UseEthiopicInterface(style.language != Language::kEnglish);
  for (int i = 0; i < items; ++i) {
    if (menuTexts[i]) main_menu[i].label(Tr(menuTexts[i]));
  }
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    widgets[i]->label(Tr(widgetTexts[i].label));
    widgets[i]->tooltip(Tr(widgetTexts[i].tooltip));
  }
}
