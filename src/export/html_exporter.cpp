#include "export/html_exporter.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "about/program_identity.h"
#include "calendar/date_names.h"
#include "calendar/holidays.h"
#include "export/safe_save.h"
#include "platform/shell_open.h"

extern const unsigned char kVemraJpg[];
extern const std::size_t kVemraJpgSize;
extern const unsigned char kTolunJpg[];
extern const std::size_t kTolunJpgSize;

namespace {

const char kPageFile[] = "output.htm";
const char kBlankCell[] = "<td>&nbsp;</td>";
constexpr int kWeekLength = 7;
constexpr int kMaxCells = 42;

const char* DayColor(int weekday, bool publicHoliday = false) {
  return weekday == 0 || publicHoliday ? "red" : "black";
}

bool IsPublicHoliday(int dayNumber) {
  for (const Holiday& holiday : HolidaysOnDay(dayNumber))
    if (holiday.tags & kPublicHoliday) return true;
  return false;
}

// "May 5, 2024", or the Ethiopian month in Ethiopic script.
std::string DateText(const DatePair& day, CalendarKind kind, int ethiopicScript) {
  char text[64];
  std::snprintf(text, sizeof text, "%s %d, %d", ExportMonthName(kind, day.Month(kind), ethiopicScript), day.Day(kind),
                day.Year(kind));
  return text;
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
    const std::string bytes(reinterpret_cast<const char*>(picture.bytes), picture.size);
    SaveInFolder(folder, picture.name, bytes, ExistingFile::kKeep, &why);
  }
}

}  // namespace

HtmlExporter::HtmlExporter(DatePair date, int kind, bool holidays)
    : monthDate(date), baseKind(kind & 1 ? Ethiopian : Gregorian), holidaysShown(holidays) {}

std::string HtmlExporter::Write() {
  Build();
  char* text = this->text();
  const SaveOutcome page = SaveWherePossible(kPageFile, text);
  std::free(text);
  if (!page.saved) return page.failure;
  PutPicturesBeside(page.folder);
  ShellOpen((page.folder + "/" + kPageFile).c_str());
  return "";
}

void HtmlExporter::Build() {
  const CalendarKind other = OtherKind(baseKind);
  cursor = monthDate;
  cursor.FirstOfMonth(baseKind);
  append("<html lang='am'><head>"
         "<meta content='text/html; charset=UTF-8' http-equiv='content-type'>"
         "<title>Zelmora</title></head><body>"
         "<img src='vemra.jpg' align='right'/><h1><img src='tolun.jpg' align='bottom'/>");
  append(kVersionText);
  append("</h1><div align='left'><font size=+3>");
  AppendMonthLine(baseKind);
  append("</font></div><div align='right'><font size=+2>");
  AppendMonthLine(other);
  append("</font></div>");
  AppendTable();
  append("<div align='right'><font size=+2>");
  AppendMonthLine(other);
  append("</font></div>");
  if (holidaysShown) AppendHolidayList();
  append("<hr>");
  char footer[256];
  std::snprintf(footer, sizeof footer, "<i><a href=%s>%s</a></i>", kHomePageUrl, kHomePageUrl);
  append(footer);
  append("</body></html>");
}

void HtmlExporter::AppendAttribute(const char* name, const char* value) {
  append(name);
  append("='");
  append(value);
  append("' ");
}

void HtmlExporter::AppendFont(const char* text, const char* color, const char* size) {
  append("<font ");
  AppendAttribute("size", size);
  AppendAttribute("color", color);
  append(">");
  append(text);
  append("</font>");
}

void HtmlExporter::AppendHeaderCell(const char* text, const char* color) {
  append("<th width='14%'>");
  AppendFont(text, color, "");
  append("</th>");
}

void HtmlExporter::AppendWeekdayCell(const char* englishName, const char* amharicName, const char* color) {
  const bool englishFirst = baseKind == Gregorian;
  char label[64];
  std::snprintf(label, sizeof label, "%s<br>%s", englishFirst ? englishName : amharicName,
                englishFirst ? amharicName : englishName);
  AppendHeaderCell(label, color);
}

void HtmlExporter::AppendWeekdayRow() {
  append("<tr>");
  for (int w = 0; w < kWeekLength; ++w) {
    AppendWeekdayCell(ExportWeekdayName(Gregorian, w, ethiopicScript), ExportWeekdayName(Ethiopian, w, ethiopicScript),
                      DayColor(w));
  }
  append("</tr>");
}

void HtmlExporter::AppendDayCell() {
  const char* color =
      DayColor(cursor.Weekday(), holidaysShown && IsPublicHoliday(cursor.dates[Gregorian].dayNumber));
  char day[8];
  append("<td>");
  std::snprintf(day, sizeof day, "%d", cursor.Day(baseKind));
  AppendFont(day, color, "+3");
  append("<div align='right'>");
  std::snprintf(day, sizeof day, "%d", cursor.Day(OtherKind(baseKind)));
  AppendFont(day, color, "+1");
  append("</div></td>");
}

void HtmlExporter::AppendDayRows() {
  append("<tr>");
  int i = cursor.Weekday();
  for (int blank = 0; blank < i; ++blank) append(kBlankCell);
  for (; cursor.Month(baseKind) == monthDate.Month(baseKind); ++i) {
    AppendDayCell();
    if (cursor.Weekday() == 6) append("</tr><tr>");
    cursor.NextDay();
  }
  for (; i <= kMaxCells - 1 && i % kWeekLength != 0; ++i) append(kBlankCell);
  append("</tr>");
}

void HtmlExporter::AppendTable() {
  append("<table border=1 width='100%' cellspacing='0'>");
  AppendWeekdayRow();
  AppendDayRows();
  append("</table>");
}

void HtmlExporter::AppendMonthLine(CalendarKind kind) {
  char line[64];
  std::snprintf(line, sizeof line, "%s, %d", ExportMonthName(kind, cursor.Month(kind), ethiopicScript),
                cursor.Year(kind));
  append(line);
}

// One line per holiday, the base calendar's date first; nothing for a month
// without holidays.
void HtmlExporter::AppendHolidayList() {
  std::string list;
  DatePair day = monthDate;
  for (day.FirstOfMonth(baseKind); day.Month(baseKind) == monthDate.Month(baseKind); day.NextDay()) {
    for (const Holiday& holiday : HolidaysOnDay(day.dates[Gregorian].dayNumber)) {
      list += "<li>" + DateText(day, baseKind, ethiopicScript) + " / " +
              DateText(day, OtherKind(baseKind), ethiopicScript) + ": " + HolidayNames(holiday) + "</li>";
    }
  }
  if (!list.empty()) append(("<ul>" + list + "</ul>").c_str());
}
