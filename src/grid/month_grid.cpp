#include "grid/month_grid.h"

#include <cstdio>
#include <string>

#include "calendar/holidays.h"
#include "calendar/month_layout.h"
#include "grid/weekday_heading.h"

namespace {

const char* const kHeadings[2][MonthGrid::kColumns] = {
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"ihud", "sagno", "maksagno", "irob", "hamus", "arb", "qidame"},
};

constexpr int kHeadingGap = 2;  // between neighbouring headings
}  // namespace

MonthGrid::MonthGrid(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
  const int cw = w / kColumns;
  const int rh = (h - kHeadingHeight) / kRows;
  for (int i = 0; i < kColumns; ++i) {
    headers[i] = new WeekdayHeading(x + cw * i, y, cw - kHeadingGap, kHeadingHeight);
  }
  headers[0]->labelcolor(FL_RED);
  for (int i = 0; i < kCells; ++i) {
    cells[i] = new DayCell(x + cw * (i % kColumns), y + kHeadingHeight + rh * (i / kColumns), cw, rh);
    cells[i]->SetClickCallback(ForwardClick, cells[i]);
    if (i % kColumns == 0) cells[i]->SetTextColor(FL_RED);
  }
  end();
}

void MonthGrid::SetDayCallback(Fl_Callback* cb) {
  dayCallback = cb;
  for (DayCell* cell : cells) cell->SetClickCallback(ForwardClick, cell);
}

void MonthGrid::ForwardClick(Fl_Widget* cell, void* data) {
  auto* grid = static_cast<MonthGrid*>(cell->parent());
  if (grid->dayCallback) grid->dayCallback(grid, data);
}

void MonthGrid::ShowMonth(DatePair date, CalendarKind kind) {
  for (int i = 0; i < kColumns; ++i) headers[i]->label(kHeadings[kind][i]);
  const MonthLayout month = LayOutMonth(date, kind);
  for (int i = 0; i < month.lead; ++i) HideCell(i);
  for (int d = 0; d < month.count; ++d) {
    char baseDay[8], otherDay[8];
    std::snprintf(baseDay, sizeof baseDay, "%2d", month.days[d].baseDay);
    std::snprintf(otherDay, sizeof otherDay, "%2d", month.days[d].otherDay);
    ShowDay(month.lead + d, baseDay, otherDay, month.days[d].current);
    const int dayNumber = month.first.dates[Gregorian].dayNumber + d;
    MarkHolidays(month.lead + d, holidaysShown ? HolidaysOnDay(dayNumber) : std::vector<Holiday>());
  }
  for (int i = month.lead + month.count; i < kCells; ++i) HideCell(i);
}

void MonthGrid::ShowDay(int index, const char* baseDay, const char* otherDay, bool current) {
  DayCell* cell = cells[index];
  cell->show();
  cell->SetTexts(baseDay, otherDay);
  cell->color(current ? FL_YELLOW : FL_WHITE);
  cell->redraw();
}

// Red for Sundays and public holidays; the holidays' names as the tooltip.
void MonthGrid::MarkHolidays(int index, const std::vector<Holiday>& holidays) {
  bool dayOff = index % kColumns == 0;
  std::string names;
  for (const Holiday& holiday : holidays) {
    dayOff = dayOff || (holiday.tags & kPublicHoliday);
    names += (names.empty() ? "" : "\n") + HolidayNames(holiday);
  }
  cells[index]->SetTextColor(dayOff ? FL_RED : FL_FOREGROUND_COLOR);
  cells[index]->copy_tooltip(names.empty() ? nullptr : names.c_str());
}

void MonthGrid::HideCell(int index) {
  DayCell* cell = cells[index];
  cell->SetText("");
  MarkHolidays(index, {});
  cell->color(FL_GRAY);
  cell->hide();
  cell->redraw();
}
