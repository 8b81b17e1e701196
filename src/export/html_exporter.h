#pragma once

#include <FL/Fl_Text_Buffer.H>

#include "calendar/date_pair.h"

// Writes the month on show as "output.htm" (UTF-8, Amharic names in Ethiopic
// script, no line breaks) and asks the desktop to open it.
class HtmlExporter : public Fl_Text_Buffer {
 public:
  // With holidays, public holidays are red and the month's holidays are
  // listed below the table; without, the page is the plain month.
  HtmlExporter(DatePair date, int kind, bool holidays = false);

  // Builds the page, saves it and opens it.
  void Write();
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
  int baseKind;
  int ethiopicScript = 1;
  bool holidaysShown;
};

// Replaces file with the buffer's text, or leaves it as it was if the
// text cannot be written whole. True when the file now holds the text.
bool SaveAtomically(Fl_Text_Buffer& buffer, const char* file);
