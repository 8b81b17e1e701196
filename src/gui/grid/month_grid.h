#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>

#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/date_pair.h"
#include "core/calendar/holidays.h"
#include "core/calendar/month_layout.h"
#include "core/calendar/navigation.h"
#include "core/church/day_facts.h"
#include "core/days/user_day.h"
#include "gui/grid/day_cell.h"
#include "gui/grid/weekday_heading.h"
#include "core/locale/language_names.h"

// One month as seven weekday columns (Sunday first) and six rows of days,
// laid out in a base calendar with the other calendar's days beside them.
// It keeps no date: it shows what the last ShowMonth gave it. It is one stop
// of the keyboard focus; its keys ask the grid's callback for a step.
class MonthGrid : public Fl_Group {
 public:
  static constexpr int kColumns = 7;
  static constexpr int kRows = 6;
  static constexpr int kCells = kColumns * kRows;
  static constexpr int kHeadingHeight = 16;  // at the first size

  MonthGrid(int x, int y, int w, int h);

  // Shows the month, in calendar kind, that holds date, and marks date.
  void ShowMonth(DatePair date, CalendarKind kind);
  // cb(grid, cell) runs when a shown day is clicked.
  void SetDayCallback(Fl_Callback* cb);
  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;
  // Headings share the size at which all seven fit; the focus mark frames the current day.
  void draw() override;

  DayCell* cells[kCells];
  WeekdayHeading* headers[kColumns];
  Fl_Callback* dayCallback = nullptr;
  Step keyStep = Step::kToday;  // asked for by the last key or wheel turn the grid took
  // Public holidays red and every holiday named in its cell's tooltip.
  bool holidaysShown = false;
  // Each fasting day dotted and its fast named in the tooltip.
  bool fastsShown = false;
  // Each day's monthly commemoration named in its tooltip.
  bool saintsShown = false;
  // Amharic weekday names, and Ge'ez numerals for the Ethiopian days.
  TextStyle style;
  // The day number of today, given by whoever reads the clock; its cell is marked.
  int todayNumber = 0;
  // The user's days, each day with one marked and its tooltip naming them;
  // none marked when null.
  const std::vector<UserDay>* userDays = nullptr;
  // cb(grid, nullptr) runs when a day is double-clicked (after the click has
  // picked it) or Enter is pressed: the current day is to be opened.
  Fl_Callback* openCallback = nullptr;
  static constexpr Fl_Color kTodayColor = FL_BLUE;
  static constexpr Fl_Color kFastColor = FL_DARK_GREEN;
  static constexpr Fl_Color kChurchDayColor = FL_DARK_MAGENTA;
  // Orange: apart from the holidays' red, today's blue, the fasts' green and the church's purple.
  static constexpr Fl_Color kUserDayColor = 0xE0780000;  // 0xRRGGBB00

 private:
  static void ForwardClick(Fl_Widget* cell, void* data);
  void ShowDay(int index, const MonthDay& day, CalendarKind kind);
  std::string DayText(int day, CalendarKind kind) const;
  void HideCell(int index);
  void MarkSpan(int index, int dayNumber);
  void LayOut();
  int Ask(std::optional<Step> step);
  static std::optional<Step> StepForWheel(int dy, bool shift);

  // Each at the first size's lengths grown by scale.
  static void DrawTodayMark(const DayCell* cell, double scale);
  static void DrawFastMark(const DayCell* cell, double scale);
  static void DrawUserDayMark(const DayCell* cell, double scale);

  const int firstWidth;
  const int firstHeight;
  int currentCell = -1;
  int todayCell = -1;
  std::bitset<kCells> fastCells;
  std::bitset<kCells> userDayCells;
  void MarkDay(int index, const DaysFacts& facts, int dayNumber, const std::string& ownNames = "");
};
