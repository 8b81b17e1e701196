#include "core/church/bahire_hasab_figures.h"

#include "core/calendar/bahire_hasab.h"
#include "core/calendar/date_pair.h"
#include "core/locale/translation.h"

namespace {
Figure DayFigure(const char* key, int dayNumber) {
  return {key, DatePair::OfDay(dayNumber).dates[Ethiopian].NumericText(), dayNumber};
}
}  // namespace

std::vector<Figure> BahireHasabFigures(int year) {
  const BahireHasab b = ReckonBahireHasab(year);
  return {
      {N_("evangelist"), EvangelistName(b.evangelist) + std::string(" (") + EvangelistAmharic(b.evangelist) + ")"},
      {N_("amete-alem"), std::to_string(b.ameteAlem)},
      {N_("wenber"), std::to_string(b.wenber)},
      {N_("abekte"), std::to_string(b.abekte)},
      {N_("metqi"), std::to_string(b.metqi)},
      DayFigure(N_("beale-metqi"), b.bealeMetqi),
      {N_("tewsak"), std::to_string(b.tewsak)},
      {N_("mebaja-hamer"), std::to_string(b.mebajaHamer)},
      DayFigure(N_("nineveh"), b.nineveh),
      DayFigure(N_("fasika"), b.fasika),
  };
}
