// The main window's texts in the language Tool > Amharic picks.
#include <FL/Fl_Menu_Item.H>

#include <vector>

#include "fonts/ethiopic_face.h"
#include "locale/translation.h"
#include "mainwin/calendar_ui.h"

namespace {

// A widget's English texts, as it was built.
struct WidgetTexts {
  const char* label;
  const char* tooltip;
};

}  // namespace

// Only a change of language relabels, so a window in English never looks its
// texts up. The English texts are read once, from the first window as built;
// every window is built with the same.
void CalendarUi::ShowLanguage() {
  if (style.amharic == amharic_shown) return;
  amharic_shown = style.amharic;
  const std::vector<Fl_Widget*> widgets = {base_button, last_year, last_month, yesterday, today,
                                           month_choice, tomorrow, next_month, next_year};
  static std::vector<const char*> menuTexts;
  static std::vector<WidgetTexts> widgetTexts;
  const int items = main_menu[0].size();
  if (menuTexts.empty()) {
    for (int i = 0; i < items; ++i) menuTexts.push_back(main_menu[i].label());
    for (Fl_Widget* widget : widgets) widgetTexts.push_back({widget->label(), widget->tooltip()});
  }
  SpeakAmharic(style.amharic);
  UseEthiopicInterface(style.amharic);
  for (int i = 0; i < items; ++i) {
    if (menuTexts[i]) main_menu[i].label(Tr(menuTexts[i]));
  }
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    widgets[i]->label(Tr(widgetTexts[i].label));
    widgets[i]->tooltip(Tr(widgetTexts[i].tooltip));
  }
}
