#include "gui/bahire/hasab_rows.h"

#include "core/calendar/date_pair.h"
#include "core/calendar/holidays.h"
#include "core/church/bahire_hasab_figures.h"
#include "core/locale/date_lines.h"
#include "core/locale/translation.h"

namespace {

// A day as every window writes it, in the language and numerals asked for.
std::string DateText(int dayNumber, CalendarKind kind, TextStyle style) {
  return LongDateOf(DatePair::OfDay(dayNumber), kind, style);
}

}  // namespace

std::vector<HasabRow> HasabRows(int year, TextStyle style) {
  const Language language = style.language;
  // The keys are the terminal's; the catalog gives the reckoners' words.
  std::vector<HasabRow> rows;
  for (const Figure& figure : BahireHasabFigures(year, style)) {
    rows.push_back({Tr(figure.key, language), figure.dayNumber ? DateText(figure.dayNumber, Ethiopian, style) : figure.value});
  }
  rows.push_back({Tr("Movable feasts and fasts", language)});
  for (const Holiday& feast : MovableFeastsOfEthiopianYear(year)) {
    rows.push_back({DateText(feast.dayNumber, Ethiopian, style), DateText(feast.dayNumber, Gregorian, style),
                    NameIn(feast, language)});
  }
  return rows;
}
