// The page's lists of the church's year, under its holidays.
#include "church/commemorations.h"
#include "church/fasts.h"
#include "export/html_exporter.h"

namespace {

std::string BothDates(const DatePair& day, CalendarKind base, int ethiopicScript) {
  return PageDateText(day, base, ethiopicScript) + " / " + PageDateText(day, OtherKind(base), ethiopicScript);
}

}  // namespace

// Every period that has a day in the month, from its first to its last day.
void HtmlExporter::AppendFastList() {
  DatePair first = monthDate, last = monthDate;
  first.FirstOfMonth(baseKind);
  last.NextMonth(baseKind);
  last.FirstOfMonth(baseKind);
  last.PrevDay();
  const int from = first.dates[Gregorian].dayNumber, to = last.dates[Gregorian].dayNumber;
  std::string list;
  for (int year = first.Year(Ethiopian); year <= last.Year(Ethiopian); ++year) {
    for (const FastPeriod& fast : ReckonChurchYear(year).fasts) {
      if (fast.lastDay < from || fast.firstDay > to) continue;
      list += "<li>" + BothDates(DatePair::OfDay(fast.firstDay), baseKind, ethiopicScript) + " - " +
              BothDates(DatePair::OfDay(fast.lastDay), baseKind, ethiopicScript) + ": " + fast.english + "</li>";
    }
  }
  if (!list.empty()) page += "<ul>" + list + "</ul>";
}

void HtmlExporter::AppendSaintList() {
  DatePair first = monthDate;
  first.FirstOfMonth(baseKind);
  std::string list;
  for (DatePair day = first; day.Month(baseKind) == first.Month(baseKind); day.NextDay()) {
    const char* commemoration = CommemorationOfDay(day.Day(Ethiopian));
    if (commemoration) list += "<li>" + BothDates(day, baseKind, ethiopicScript) + ": " + commemoration + "</li>";
  }
  if (!list.empty()) page += "<ul>" + list + "</ul>";
}
