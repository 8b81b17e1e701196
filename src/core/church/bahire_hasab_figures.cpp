#include "core/church/bahire_hasab_figures.h"

#include "core/calendar/bahire_hasab.h"
#include "core/calendar/date_pair.h"
#include "core/locale/translation.h"

namespace {

Figure DayFigure(const char* key, int dayNumber) {
  return {key, DatePair::OfDay(dayNumber).dates[Ethiopian].NumericText(), dayNumber};
}

std::string EvangelistText(Evangelist evangelist, Language language) {
  if (language != Language::kEnglish) return EvangelistAmharic(evangelist);
  return std::string(EvangelistName(evangelist)) + " (" + EvangelistAmharic(evangelist) + ")";
}

}  // namespace

std::vector<Figure> BahireHasabFigures(int year, TextStyle style) {
  const BahireHasab b = ReckonBahireHasab(year);
  const auto number = [style](int figure) { return figure ? NumberIn(figure, style) : "0"; };
  return {
      {N_("evangelist"), EvangelistText(b.evangelist, style.language)},
      {N_("amete-alem"), number(b.ameteAlem)},
      {N_("wenber"), number(b.wenber)},
      {N_("abekte"), number(b.abekte)},
      {N_("metqi"), number(b.metqi)},
      DayFigure(N_("beale-metqi"), b.bealeMetqi),
      {N_("tewsak"), number(b.tewsak)},
      {N_("mebaja-hamer"), number(b.mebajaHamer)},
      DayFigure(N_("nineveh"), b.nineveh),
      DayFigure(N_("fasika"), b.fasika),
  };
}
