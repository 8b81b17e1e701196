#include "church/bahire_hasab_figures.h"

#include "calendar/bahire_hasab.h"
#include "calendar/date_pair.h"

namespace {
std::string EthiopianText(int dayNumber) { return DatePair::OfDay(dayNumber).dates[Ethiopian].NumericText(); }
}  // namespace

std::vector<Figure> BahireHasabFigures(int year) {
  const BahireHasab b = ReckonBahireHasab(year);
  return {
      {"evangelist", EvangelistName(b.evangelist) + std::string(" (") + EvangelistAmharic(b.evangelist) + ")"},
      {"amete-alem", std::to_string(b.ameteAlem)},
      {"wenber", std::to_string(b.wenber)},
      {"abekte", std::to_string(b.abekte)},
      {"metqi", std::to_string(b.metqi)},
      {"beale-metqi", EthiopianText(b.bealeMetqi)},
      {"tewsak", std::to_string(b.tewsak)},
      {"mebaja-hamer", std::to_string(b.mebajaHamer)},
      {"nineveh", EthiopianText(b.nineveh)},
      {"fasika", EthiopianText(b.fasika)},
  };
}
