#pragma once

#include <FL/Fl_Text_Buffer.H>

#include <string>

#include "calendar/date_pair.h"

// Writes the month on show as "output.htm" (UTF-8, Amharic names in Ethiopic
// script, no line breaks) with its two pictures beside it, and asks the
// desktop to open it.
class HtmlExporter : public Fl_Text_Buffer {
 public:
  // With holidays, public holidays are red and the month's holidays are
  // listed below the table; without, the page is the plain month.
  HtmlExporter(DatePair date, int kind, bool holidays = false);
  HtmlExporter(DatePair date, CalendarKind kind, bool holidays = false)
      : HtmlExporter(date, KindIndex(kind), holidays) {}

  // Builds the page, saves it in the current folder or, when that cannot be
  // written, in the user's data folder, and opens it there. Returns why the
  // page could not be saved anywhere (nothing is opened then), else "".
  std::string Write();
  // Builds the page in the buffer only.
  void Build();

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

  DatePair monthDate;
  DatePair cursor;
  CalendarKind baseKind;  // the int given, read by its lowest bit
  int ethiopicScript = 1;
  bool holidaysShown;
};
