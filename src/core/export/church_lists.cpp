// The page's lists of the church's year, under its holidays.
#include "core/church/fasts.h"
#include "core/export/html_exporter.h"

// Every period that has a day in the month, from its first to its last day.
void HtmlExporter::AppendFastList() {
  const int lastDay = firstDay + dayCount - 1;
  std::string list;
  for (int year = DatePair::OfDay(firstDay).Year(Ethiopian); year <= DatePair::OfDay(lastDay).Year(Ethiopian); ++year) {
    for (const FastPeriod& fast : ReckonChurchYear(year).fasts) {
      if (fast.lastDay < firstDay || fast.firstDay > lastDay) continue;
      list += "<li>" + PageBothDates(DatePair::OfDay(fast.firstDay), baseKind, ethiopicScript, geezNumerals) + " - " +
              PageBothDates(DatePair::OfDay(fast.lastDay), baseKind, ethiopicScript, geezNumerals) + ": " +
              PageNames(fast.name->english, fast.name->amharic) + "</li>";
    }
  }
  if (!list.empty()) page += "<ul>" + list + "</ul>";
}

// From the month's facts, as the grid has them: Pagume's days say they have none.
void HtmlExporter::AppendSaintList() {
  std::string list;
  for (const DayFacts& day : facts.days) {
    if (day.commemoration) {
      list += "<li>" + PageBothDates(DatePair::OfDay(day.dayNumber), baseKind, ethiopicScript, geezNumerals) + ": " +
              PageNames(day.commemoration->english, day.commemoration->amharic) + "</li>";
    }
  }
  if (!list.empty()) page += "<ul>" + list + "</ul>";
}
