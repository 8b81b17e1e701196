#include "gui/dayswin/day_texts.h"

#include <iterator>

#include "core/church/day_facts.h"
#include "core/days/memorial.h"
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

std::string DayFactsText(const DatePair& day, Language language) {
  const int dayNumber = day.dates[Gregorian].dayNumber;
  const DaysFacts facts = FactsOfDays(dayNumber, 1);
  const DayFacts* on = FactsOn(facts, dayNumber);
  if (!on) return "";
  std::string text;
  const auto line = [&text](const char* name) { text += (text.empty() ? "" : "\n") + std::string(name); };
  for (const Holiday& holiday : HolidaysIn(facts, dayNumber)) line(NameIn(holiday, language));
  if (on->fast) line(NameIn(*on->fast, language));
  if (on->commemoration) line(NameIn(*on->commemoration, language));
  return text;
}

std::string WithObservance(const std::string& text, int which, Language language) {
  const auto observance = static_cast<Commemoration>(which);
  if (observance == Commemoration::kNone) return text;
  return text + " (" + NameIn(CommemorationName(observance), language) + ")";
}
