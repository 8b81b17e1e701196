#include "gui/bahire/hasab_rows.h"

#include "core/calendar/bahire_hasab.h"
#include "core/calendar/date_pair.h"
#include "core/calendar/holidays.h"
#include "core/locale/date_format.h"
#include "core/locale/translation.h"

namespace {

// "2001/08/11", the Ethiopian year and day in Ge'ez when asked.
std::string DateText(int dayNumber, CalendarKind kind, TextStyle style) {
  std::string text, bad;
  FormatMoment("%Y/%m/%d", {DatePair::OfDay(dayNumber), kind, style}, text, bad);
  return text;
}

// The evangelist by name: in English with the name the church writes, in
// another language as the church writes it.
std::string EvangelistText(Evangelist evangelist, Language language) {
  if (language != Language::kEnglish) return EvangelistAmharic(evangelist);
  return std::string(EvangelistName(evangelist)) + " (" + EvangelistAmharic(evangelist) + ")";
}

}  // namespace

std::vector<HasabRow> HasabRows(int year, TextStyle style) {
  const BahireHasab b = ReckonBahireHasab(year);
  const Language language = style.language;
  const auto number = [style](int figure) { return NumberIn(figure, style); };
  // The keys are the terminal's; the catalog gives the reckoners' words.
  std::vector<HasabRow> rows = {
      {Tr("evangelist", language), EvangelistText(b.evangelist, language)},
      {Tr("amete-alem", language), number(b.ameteAlem)},
      {Tr("wenber", language), b.wenber ? number(b.wenber) : "0"},  // Ge'ez numerals have no zero
      {Tr("abekte", language), b.abekte ? number(b.abekte) : "0"},
      {Tr("metqi", language), number(b.metqi)},
      {Tr("beale-metqi", language), DateText(b.bealeMetqi, Ethiopian, style)},
      {Tr("tewsak", language), number(b.tewsak)},
      {Tr("mebaja-hamer", language), number(b.mebajaHamer)},
      {Tr("nineveh", language), DateText(b.nineveh, Ethiopian, style)},
      {Tr("fasika", language), DateText(b.fasika, Ethiopian, style)},
      {Tr("Movable feasts and fasts", language)},
  };
  for (const Holiday& feast : MovableFeastsOfEthiopianYear(year)) {
    rows.push_back({DateText(feast.dayNumber, Ethiopian, style), DateText(feast.dayNumber, Gregorian, style),
                    NameIn(feast, language)});
  }
  return rows;
}
