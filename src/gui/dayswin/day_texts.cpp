#include "gui/dayswin/day_texts.h"

#include <iterator>

#include "core/locale/date_lines.h"
#include "core/locale/translation.h"

namespace {

// In the order of kRepeats.
const char* const kRepeatNames[] = {N_("Once"), N_("Every year, Ethiopian date"), N_("Every Ethiopian month"),
                                    N_("Every year, Gregorian date"), N_("Memorial")};
static_assert(std::size(kRepeatNames) == std::size(kRepeats));

}  // namespace

const char* RepeatKey(Repeat repeat) {
  for (std::size_t i = 0; i < std::size(kRepeats); ++i) {
    if (kRepeats[i] == repeat) return kRepeatNames[i];
  }
  return kRepeatNames[0];
}

const char* RepeatName(Repeat repeat) { return Tr(RepeatKey(repeat)); }

std::string DateIn(const DatePair& day, CalendarKind kind, TextStyle style) { return LongDateOf(day, kind, style); }

std::string BothDates(const DatePair& day, TextStyle style, const char* between) {
  return DateIn(day, Ethiopian, style) + between + DateIn(day, Gregorian, style);
}
