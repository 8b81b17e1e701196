// The page's list of the user's own days, under its holidays.
#include <string>
#include <vector>

#include "core/days/occurrences.h"
#include "core/export/html_exporter.h"

namespace {

// A name as typed, never read as markup.
std::string Escaped(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '&': escaped += "&amp;"; break;
      case '\'': escaped += "&#39;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

// One line for each day of the month that is one of the user's, in day order.
void HtmlExporter::AppendUserDayList() {
  std::string list;
  for (const Occurrence& on : OccurrencesBetween(*userDays, firstDay, firstDay + dayCount - 1)) {
    list += "<li>" + PageBothDates(DatePair::OfDay(on.day), baseKind, ethiopicScript) + ": " +
            Escaped((*userDays)[on.index].name) + "</li>";
  }
  if (!list.empty()) page += "<ul>" + list + "</ul>";
}
