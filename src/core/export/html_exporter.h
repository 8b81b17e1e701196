#pragma once

#include <string>
#include <vector>

#include "core/calendar/date_pair.h"
#include "core/church/day_facts.h"
#include "core/days/user_day.h"
#include "core/storage/safe_save.h"

inline constexpr char kPageFileName[] = "output.htm";

// A date in the lists below the table, as every other surface writes it:
// "Sunday, May 5, 2024", or the Ethiopian one in Amharic with Ethiopic script
// ("እሑድ፣ 27 ሚያዝያ 2016 ዓ.ም."), its day and year in Ge'ez numerals when geez,
// in English with Latin letters without ethiopicScript.
std::string PageDateText(const DatePair& day, CalendarKind kind, int ethiopicScript, bool geez = false);
// "English - Amharic", as the page names a holiday, a fast or a saint.
std::string PageNames(const char* english, const char* amharic);
// The base calendar's date, then the other's, a slash between them.
std::string PageBothDates(const DatePair& day, CalendarKind base, int ethiopicScript, bool geez = false);

// The month on show as the page "output.htm" (UTF-8, Amharic names in
// Ethiopic script, no line breaks, declared Amharic), saved with its two
// pictures beside it. The heading and the table keep the names of the
// export tables; the lists below them write dates as the rest of the program.
class HtmlExporter {
 public:
  // With holidays, public holidays are red and the month's holidays are
  // listed below the table; without, the page is the plain month.
  HtmlExporter(DatePair date, int kind, bool holidays = false);
  HtmlExporter(DatePair date, CalendarKind kind, bool holidays = false)
      : HtmlExporter(date, KindIndex(kind), holidays) {}

  // Builds the page and saves it in the current folder or, when that cannot
  // be written, in the user's data folder, with its pictures beside it. Opens
  // nothing.
  SaveOutcome Save();
  // Builds the page afresh and returns its bytes.
  const std::string& Build();

  void Append(const char* text);
  void AppendAttribute(const char* name, const char* value);
  void AppendFont(const char* text, const char* color, const char* size);
  void AppendHeaderCell(const char* text, const char* color);
  void AppendWeekdayCell(const char* englishName, const char* amharicName, const char* color);
  void AppendWeekdayRow();
  void AppendDayCell();
  void AppendDayRows();
  void AppendTable();
  void AppendMonthLine(CalendarKind kind);
  void AppendHolidayList();
  // The user's days in the month, under the holidays, their names as typed.
  void AppendUserDayList();
  // The church's year, when asked for: the month's fasting periods, and each
  // day's monthly commemoration.
  void AppendFastList();
  void AppendSaintList();

  DatePair monthDate;
  DatePair cursor;
  CalendarKind baseKind;  // the int given, read by its lowest bit
  int ethiopicScript = 1;
  bool geezNumerals = false;  // the Ethiopian days and years in Ge'ez
  bool holidaysShown;
  bool fastsShown = false;
  bool saintsShown = false;
  const std::vector<UserDay>* userDays = nullptr;  // none listed when null
  std::string homePage;  // the footer's link
  std::string page;
  // The month's days and facts, while the page is built.
  int firstDay = 0;
  int dayCount = 0;
  DaysFacts facts;
};
