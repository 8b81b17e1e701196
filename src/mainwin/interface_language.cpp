// The main window's date lines and texts in the script and language that
// Tool > Amharic and Ge'ez numerals pick.
#include <FL/Fl_Menu_Item.H>

#include <string>
#include <vector>

#include "fonts/ethiopic_face.h"
#include "locale/date_format.h"
#include "locale/translation.h"
#include "mainwin/calendar_ui.h"
#include "platform/folders.h"

namespace {

// The Amharic catalog lies in share/locale beside share/zelmora, in the build
// tree as once installed.
std::string CatalogFolder() {
  const std::string catalog = FindDataFile("../locale/am/LC_MESSAGES/zelmora.mo");
  const std::string::size_type languageFolder = catalog.rfind("/am/LC_MESSAGES/");
  return languageFolder == std::string::npos ? std::string() : catalog.substr(0, languageFolder);
}

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
  dates_output->value(styled ? DateLinesIn(date, style).c_str() : date.Format());
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
