#include "core/export/html_exporter.h"

#include <cstddef>
#include <cstdio>

#include "core/calendar/date_names.h"
#include "core/calendar/holidays.h"
#include "core/church/day_facts.h"
#include "core/storage/safe_save.h"
#include "core/identity/home_page.h"
#include "core/identity/program_identity.h"
#include "core/locale/date_lines.h"
#include "core/numerals/geez_numerals.h"

extern const unsigned char kVemraJpg[];
extern const std::size_t kVemraJpgSize;
extern const unsigned char kTolunJpg[];
extern const std::size_t kTolunJpgSize;

namespace {

const char kBlankCell[] = "<td>&nbsp;</td>";
constexpr int kWeekLength = 7;
constexpr int kMaxCells = 42;

const char* DayColor(int weekday, bool publicHoliday = false) {
  return weekday == 0 || publicHoliday ? "red" : "black";
}

bool IsPublicHoliday(const DaysFacts& facts, int dayNumber) {
  for (const Holiday& holiday : HolidaysIn(facts, dayNumber))
    if (holiday.tags & kPublicHoliday) return true;
  return false;
}

// The pictures the page names, put beside it so the browser shows it whole;
// a file of the same name is left as it is.
void PutPicturesBeside(const std::string& folder) {
  const struct {
    const char* name;
    const unsigned char* bytes;
    std::size_t size;
  } kPictures[] = {{"vemra.jpg", kVemraJpg, kVemraJpgSize}, {"tolun.jpg", kTolunJpg, kTolunJpgSize}};
  std::string why;  // without them the page still reads, so a failure goes unreported
  for (const auto& picture : kPictures) {
    const std::string bytes(picture.bytes, picture.bytes + picture.size);
    SaveInFolder(folder, picture.name, bytes, ExistingFile::kKeep, &why);
  }
}

}  // namespace

std::string PageNames(const char* english, const char* amharic) { return std::string(english) + " - " + amharic; }

std::string PageDateText(const DatePair& day, CalendarKind kind, int ethiopicScript, bool geez) {
  const bool amharic = kind == Ethiopian && ethiopicScript;
  return LongDateOf(day, kind, {amharic ? Language::kAmharic : Language::kEnglish, geez});
}

std::string PageBothDates(const DatePair& day, CalendarKind base, int ethiopicScript, bool geez) {
  return PageDateText(day, base, ethiopicScript, geez) + " / " + PageDateText(day, OtherKind(base), ethiopicScript, geez);
}

namespace {

// A day or a year in the table: an Ethiopian one in Ge'ez numerals when asked.
std::string PageNumber(int number, CalendarKind kind, bool geez) {
  return geez && kind == Ethiopian ? GeezNumeral(number) : std::to_string(number);
}

}  // namespace

HtmlExporter::HtmlExporter(DatePair date, int kind, bool holidays)
    : monthDate(date),
      baseKind(kind & 1 ? Ethiopian : Gregorian),
      holidaysShown(holidays),
      homePage(HomePageAddress(Language::kEnglish)) {}

SaveOutcome HtmlExporter::Save() {
  const SaveOutcome outcome = SaveWherePossible(kPageFileName, Build());
  if (outcome.saved) PutPicturesBeside(outcome.folder);
  return outcome;
}

const std::string& HtmlExporter::Build() {
  page.clear();
  const CalendarKind other = OtherKind(baseKind);
  cursor = monthDate;
  cursor.FirstOfMonth(baseKind);
  DatePair next = cursor;
  next.NextMonth(baseKind);
  next.FirstOfMonth(baseKind);
  firstDay = cursor.dates[Gregorian].dayNumber;
  dayCount = next.dates[Gregorian].dayNumber - firstDay;
  // One query for the month's holidays and saints, and none without them.
  facts = holidaysShown || saintsShown ? FactsOfDays(firstDay, dayCount) : DaysFacts{};
  Append("<html lang='am'><head>"
         "<meta content='text/html; charset=UTF-8' http-equiv='content-type'>"
         "<title>Zelmora</title></head><body>"
         "<img src='vemra.jpg' align='right'/><h1><img src='tolun.jpg' align='bottom'/>");
  Append(kVersionText);
  Append("</h1><div align='left'><font size=+3>");
  AppendMonthLine(baseKind);
  Append("</font></div><div align='right'><font size=+2>");
  AppendMonthLine(other);
  Append("</font></div>");
  AppendTable();
  Append("<div align='right'><font size=+2>");
  AppendMonthLine(other);
  Append("</font></div>");
  if (holidaysShown) AppendHolidayList();
  if (userDays) AppendUserDayList();
  if (fastsShown) AppendFastList();
  if (saintsShown) AppendSaintList();
  // The address unquoted, as the page has always written it.
  page += "<hr><i><a href=" + homePage + ">" + homePage + "</a></i></body></html>";
  return page;
}

void HtmlExporter::Append(const char* text) { page += text; }

void HtmlExporter::AppendAttribute(const char* name, const char* value) {
  Append(name);
  Append("='");
  Append(value);
  Append("' ");
}

void HtmlExporter::AppendFont(const char* text, const char* color, const char* size) {
  Append("<font ");
  AppendAttribute("size", size);
  AppendAttribute("color", color);
  Append(">");
  Append(text);
  Append("</font>");
}

void HtmlExporter::AppendHeaderCell(const char* text, const char* color) {
  Append("<th width='14%'>");
  AppendFont(text, color, "");
  Append("</th>");
}

void HtmlExporter::AppendWeekdayCell(const char* englishName, const char* amharicName, const char* color) {
  const bool englishFirst = baseKind == Gregorian;
  char label[64];
  std::snprintf(label, sizeof label, "%s<br>%s", englishFirst ? englishName : amharicName,
                englishFirst ? amharicName : englishName);
  AppendHeaderCell(label, color);
}

void HtmlExporter::AppendWeekdayRow() {
  Append("<tr>");
  for (int w = 0; w < kWeekLength; ++w) {
    AppendWeekdayCell(ExportWeekdayName(Gregorian, w, ethiopicScript), ExportWeekdayName(Ethiopian, w, ethiopicScript),
                      DayColor(w));
  }
  Append("</tr>");
}

void HtmlExporter::AppendDayCell() {
  const char* color =
      DayColor(cursor.Weekday(), holidaysShown && IsPublicHoliday(facts, cursor.dates[Gregorian].dayNumber));
  Append("<td>");
  AppendFont(PageNumber(cursor.Day(baseKind), baseKind, geezNumerals).c_str(), color, "+3");
  Append("<div align='right'>");
  AppendFont(PageNumber(cursor.Day(OtherKind(baseKind)), OtherKind(baseKind), geezNumerals).c_str(), color, "+1");
  Append("</div></td>");
}

void HtmlExporter::AppendDayRows() {
  Append("<tr>");
  int i = cursor.Weekday();
  for (int blank = 0; blank < i; ++blank) Append(kBlankCell);
  for (; cursor.Month(baseKind) == monthDate.Month(baseKind); ++i) {
    AppendDayCell();
    if (cursor.Weekday() == 6) Append("</tr><tr>");
    cursor.NextDay();
  }
  for (; i <= kMaxCells - 1 && i % kWeekLength != 0; ++i) Append(kBlankCell);
  Append("</tr>");
}

void HtmlExporter::AppendTable() {
  Append("<table border=1 width='100%' cellspacing='0'>");
  AppendWeekdayRow();
  AppendDayRows();
  Append("</table>");
}

void HtmlExporter::AppendMonthLine(CalendarKind kind) {
  page += ExportMonthName(kind, cursor.Month(kind), ethiopicScript) + std::string(", ") +
          PageNumber(cursor.Year(kind), kind, geezNumerals);
}

// One line per holiday, the base calendar's date first; nothing for a month
// without holidays.
void HtmlExporter::AppendHolidayList() {
  std::string list;
  DatePair day = monthDate;
  for (day.FirstOfMonth(baseKind); day.Month(baseKind) == monthDate.Month(baseKind); day.NextDay()) {
    for (const Holiday& holiday : HolidaysIn(facts, day.dates[Gregorian].dayNumber)) {
      list += "<li>" + PageBothDates(day, baseKind, ethiopicScript, geezNumerals) + ": " +
              PageNames(holiday.english, holiday.amharic) + (holiday.tags & kExpectedDate ? " (expected)" : "") + "</li>";
    }
  }
  if (!list.empty()) page += "<ul>" + list + "</ul>";
}
