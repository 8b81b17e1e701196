// The commands of the church's year: fasts, day and bahire-hasab.
#include <string>

#include "core/church/bahire_hasab_figures.h"
#include "core/church/day_facts.h"
#include "core/church/fasts.h"
#include "cli/commands.h"
#include "cli/date_argument.h"
#include "cli/day_text.h"
#include "cli/json_text.h"
#include "cli/user_days.h"
#include "core/locale/translation.h"

namespace {

std::string EthiopianText(int dayNumber) { return DatePair::OfDay(dayNumber).dates[Ethiopian].NumericText(); }
std::string GregorianText(int dayNumber) { return DatePair::OfDay(dayNumber).dates[Gregorian].NumericText(); }

// The Ethiopian year the command is about: the operand, or the current one.
int ChurchYearOf(const Invocation& call) {
  return call.operand ? ReadYear(call.operand, Ethiopian) : Today().Year(Ethiopian);
}

std::string Field(const std::string& key, const std::string& value) { return key + '\t' + value + '\n'; }


std::string FastsJson(const ChurchYear& church, TextStyle style) {
  std::string list;
  for (const FastPeriod& fast : church.fasts) {
    list += std::string(list.empty() ? "" : ",") + "{\"name\":" + JsonString(NameIn(*fast.name, style.language)) +
            ",\"first\":" + JsonDayOf(fast.firstDay, style) + ",\"last\":" + JsonDayOf(fast.lastDay, style) + "}";
  }
  return "[" + list + "]\n";
}

// Numbers as numbers, days as the day's object, names as strings.
std::string FigureJson(const Figure& figure, TextStyle style) {
  if (figure.dayNumber) return JsonDayOf(figure.dayNumber, style);
  const bool number = figure.value.find_first_not_of("0123456789") == std::string::npos;
  return number ? figure.value : JsonString(figure.value);
}

}  // namespace

std::string FastsCommand(const Invocation& call) {
  const ChurchYear church = ReckonChurchYear(ChurchYearOf(call));
  if (call.json) return FastsJson(church, call.style);
  std::string text;
  for (const FastPeriod& fast : church.fasts) {
    text += EthiopianText(fast.firstDay) + '\t' + EthiopianText(fast.lastDay) + '\t' + GregorianText(fast.firstDay) +
            '\t' + GregorianText(fast.lastDay) + '\t' + NameIn(*fast.name, call.style.language) + '\n';
  }
  return text;
}

void DayCommand(const Invocation& call, Output& out) {
  const DatePair day = call.operand ? ReadDay(call.operand, call.kind) : Today();
  const int dayNumber = day.dates[Gregorian].dayNumber;
  if (call.format) return out.Write(DayAnswer(day, call, call.kindNamed ? call.kind : Ethiopian));
  DayRecords records(dayNumber, dayNumber, call.json ? DayRecords::Texts::kAll : DayRecords::Texts::kNames);
  LoadStoreOrSay(records, out);
  std::vector<Occurrence> occurrences = OccurrencesBetween(records.Dates(), dayNumber, dayNumber);
  std::vector<UserDay> days;
  records.DaysOf(&occurrences, &days);
  if (call.json) {
    const std::string mine = UserDaysJson(days, occurrences, call.style);
    return out.Write(WithUserDays(JsonDayOf(dayNumber, call.style), mine) + "\n");
  }
  std::string text = DateLines(day, call.style);
  const DaysFacts facts = FactsOfDays(dayNumber, 1);
  const DayFacts& entry = facts.days.front();
  const Language language = call.style.language;
  for (const Holiday& holiday : facts.holidays) {
    text += Filled(Tr("holiday: %s [%s]", language), {NameIn(holiday, language), TagsIn(holiday.tags, language)}) + "\n";
  }
  if (entry.fast) text += Filled(Tr("fast: %s", language), {NameIn(*entry.fast, language)}) + "\n";
  if (entry.commemoration) {
    text += Filled(Tr("commemoration: %s", language), {NameIn(*entry.commemoration, language)}) + "\n";
  }
  out.Write(text + UserDayLines(days, dayNumber, call.style));
}

// The keys and names in the language asked for, the numbers in its
// numerals; JSON keeps its keys English and its numbers numbers.
std::string BahireHasabCommand(const Invocation& call) {
  std::string text;
  const TextStyle style = call.json ? TextStyle{call.style.language, false} : call.style;
  for (const Figure& figure : BahireHasabFigures(ChurchYearOf(call), style)) {
    text += call.json ? (text.empty() ? "{" : ",") + JsonString(figure.key) + ":" + FigureJson(figure, call.style)
                      : Field(Tr(figure.key, style.language), figure.value);
  }
  return call.json ? text + "}\n" : text;
}
