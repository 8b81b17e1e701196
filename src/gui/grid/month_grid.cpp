#include "gui/grid/month_grid.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

#include "core/calendar/clock_source.h"
#include "core/calendar/date_names.h"
#include "core/calendar/holidays.h"
#include "core/calendar/month_layout.h"
#include "core/church/day_facts.h"
#include "core/export/days_calendar.h"
#include "core/days/occurrences.h"
#include "gui/dialogs/dialogs.h"
#include "gui/fonts/ethiopic_face.h"
#include "gui/keys/window_keys.h"
#include "gui/remind/reminder_texts.h"
#include "core/locale/translation.h"
#include "core/numerals/geez_numerals.h"
#include "gui/scaling/scale.h"

namespace {

constexpr int kHeadingGap = 2;  // between neighbouring headings
const char kOutsideSpanText[] =
    N_("Outside the days Zelmora covers: from Meskerem 1 of the year 1 (27 August 8) to the last day of the "
       "year 9999 (10 November 10007)");

}  // namespace

MonthGrid::MonthGrid(int x, int y, int w, int h) : Fl_Group(x, y, w, h), firstWidth(w), firstHeight(h) {
  for (WeekdayHeading*& heading : headers) heading = new WeekdayHeading(x, y, 1, kHeadingHeight);
  headers[0]->labelcolor(FL_RED);
  for (int i = 0; i < kCells; ++i) {
    cells[i] = new DayCell(x, y, 1, 1);
    cells[i]->SetClickCallback(ForwardClick, cells[i]);
    if (i % kColumns == 0) cells[i]->SetTextColor(FL_RED);
  }
  end();
  LayOut();
}

// The headings keep their height at any size; the cells share the rest.
void MonthGrid::resize(int x, int y, int w, int h) {
  Fl_Widget::resize(x, y, w, h);
  LayOut();
}

// The headings grow with the grid as its numbers do.
void MonthGrid::LayOut() {
  const int headingHeight = Scaled(kHeadingHeight, GrowthScale(w(), h(), firstWidth, firstHeight));
  const int cw = w() / kColumns;
  const int rh = (h() - headingHeight) / kRows;
  for (int i = 0; i < kColumns; ++i) headers[i]->resize(x() + cw * i, y(), cw - kHeadingGap, headingHeight);
  for (int i = 0; i < kCells; ++i) {
    cells[i]->resize(x() + cw * (i % kColumns), y() + headingHeight + rh * (i / kColumns), cw, rh);
  }
}

void MonthGrid::SetDayCallback(Fl_Callback* cb) {
  dayCallback = cb;
  for (DayCell* cell : cells) cell->SetClickCallback(ForwardClick, cell);
}

void MonthGrid::ForwardClick(Fl_Widget* cell, void* data) {
  auto* grid = static_cast<MonthGrid*>(cell->parent());
  if (grid->dayCallback) grid->dayCallback(grid, data);
  if (static_cast<DayCell*>(cell)->doubleClick && grid->openCallback) grid->openCallback(grid, nullptr);
}

// The grid takes the focus as a whole: the cells inside are no stops.
int MonthGrid::handle(int event) {
  switch (event) {
    case FL_FOCUS:
    case FL_UNFOCUS:
      redraw();
      return 1;
    case FL_KEYBOARD:
      if ((Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter) && openCallback) {
        openCallback(this, nullptr);
        return 1;
      }
      return Ask(StepForKey(Fl::event_key(), Fl::event_state()));
    case FL_MOUSEWHEEL:
      return Ask(StepForWheel(Fl::event_dy(), Fl::event_shift() != 0));
    default:
      return Fl_Group::handle(event);
  }
}

int MonthGrid::Ask(std::optional<Step> step) {
  if (!step) return 0;
  keyStep = *step;
  do_callback();
  return 1;
}

// Down, towards the later weeks, is forward.
std::optional<Step> MonthGrid::StepForWheel(int dy, bool shift) {
  if (dy == 0) return std::nullopt;
  if (dy > 0) return shift ? Step::kNextYear : Step::kNextMonth;
  return shift ? Step::kPrevYear : Step::kPrevMonth;
}

void MonthGrid::draw() {
  Fl_Fontsize size = std::numeric_limits<Fl_Fontsize>::max();
  for (WeekdayHeading* heading : headers) size = std::min(size, heading->FittingSize());
  for (WeekdayHeading* heading : headers) heading->labelsize(size);
  Fl_Group::draw();
  const double scale = GrowthScale(w(), h(), firstWidth, firstHeight);  // the marks grow with the grid
  for (int i = 0; i < kCells; ++i) {
    if (fastCells.test(i)) DrawFastMark(cells[i], scale);
    if (userDayCells.test(i)) DrawUserDayMark(cells[i], scale);
  }
  if (todayCell >= 0) DrawTodayMark(cells[todayCell], scale);
  if (Fl::focus() != this || currentCell < 0) return;
  const DayCell* cell = cells[currentCell];
  draw_focus(cell->box(), cell->x(), cell->y(), cell->w(), cell->h());
}

// A blue frame inside the border, apart from the focus mark's dots: neither
// the current day's yellow nor a holiday's red.
void MonthGrid::DrawTodayMark(const DayCell* cell, double scale) {
  constexpr int kInset = 2;
  constexpr int kThickness = 2;
  fl_color(kTodayColor);
  for (int i = Scaled(kInset, scale); i < Scaled(kInset + kThickness, scale); ++i) {
    fl_rect(cell->x() + i, cell->y() + i, cell->w() - 2 * i, cell->h() - 2 * i);
  }
}

// A small dot in the top-right corner, away from both numbers.
void MonthGrid::DrawFastMark(const DayCell* cell, double scale) {
  constexpr int kInset = 5;
  constexpr int kDiameter = 6;
  const int inset = Scaled(kInset, scale);
  const int diameter = Scaled(kDiameter, scale);
  constexpr double kFullCircle = 360;
  fl_color(kFastColor);
  fl_pie(cell->x() + cell->w() - inset - diameter, cell->y() + inset, diameter, diameter, 0, kFullCircle);
}

// A small triangle in the bottom-left corner, where neither number reaches.
void MonthGrid::DrawUserDayMark(const DayCell* cell, double scale) {
  constexpr int kInset = 3;
  constexpr int kSide = 9;
  const int inset = Scaled(kInset, scale);
  const int side = Scaled(kSide, scale);
  const int left = cell->x() + inset;
  const int bottom = cell->y() + cell->h() - inset;
  fl_color(kUserDayColor);
  fl_polygon(left, bottom, left + side, bottom, left, bottom - side);
}

void MonthGrid::ShowMonth(DatePair date, CalendarKind kind) {
  currentCell = -1;
  todayCell = -1;
  fastCells.reset();
  userDayCells.reset();
  for (int i = 0; i < kColumns; ++i) {
    const bool english = style.language == Language::kEnglish;
    headers[i]->labelfont(english ? FL_TIMES : EthiopicFont());
    headers[i]->label(english ? WeekdayHeadingName(kind, i) : WeekdayNameIn(kind, i, style));
  }
  const MonthLayout month = LayOutMonth(date, kind);
  const int first = month.first.dates[Gregorian].dayNumber;
  // One query for the whole month, and none when nothing of it is shown.
  const bool anyShown = holidaysShown || fastsShown || saintsShown;
  const DaysFacts facts = anyShown ? FactsOfDays(first, month.count) : DaysFacts{};
  const std::vector<Occurrence> own = userDays && !userDays->empty()
                                          ? OccurrencesBetween(*userDays, first, first + month.count - 1)
                                          : std::vector<Occurrence>{};
  auto next = own.begin();
  const std::time_t now = PreciseClock().tv_sec;
  for (int i = 0; i < month.lead; ++i) HideCell(i);
  for (int d = 0; d < month.count; ++d) {
    ShowDay(month.lead + d, month.days[d], kind);
    if (first + d == todayNumber) todayCell = month.lead + d;
    std::string ownNames;
    for (; next != own.end() && next->day == first + d; ++next) {
      const UserDay& day = (*userDays)[next->index];
      const std::string reminder = NextReminderLine(day, now, style);
      ownNames += (ownNames.empty() ? "" : "\n") + OccurrenceSummary(day, *next, style.language);
      ownNames += (reminder.empty() ? "" : "\n") + reminder;
    }
    MarkDay(month.lead + d, facts, first + d, ownNames);
    MarkSpan(month.lead + d, first + d);
  }
  for (int i = month.lead + month.count; i < kCells; ++i) HideCell(i);
}

// "%2d", or the Ge'ez numeral of an Ethiopian day when asked.
std::string MonthGrid::DayText(int day, CalendarKind kind) const {
  if (style.geez && kind == Ethiopian) return GeezNumeral(day);
  char text[8];
  std::snprintf(text, sizeof text, "%2d", day);
  return text;
}

void MonthGrid::ShowDay(int index, const MonthDay& day, CalendarKind kind) {
  DayCell* cell = cells[index];
  cell->show();
  const auto face = [this](CalendarKind of) { return style.geez && of == Ethiopian ? EthiopicFont() : FL_TIMES; };
  cell->SetFonts(face(kind), face(OtherKind(kind)));
  cell->ShowDay(day.baseDay, DayText(day.baseDay, kind).c_str(), DayText(day.otherDay, OtherKind(kind)).c_str());
  cell->color(day.current ? FL_YELLOW : FL_WHITE);
  if (day.current) currentCell = index;
  cell->redraw();
}

// Red for Sundays and, when shown, public holidays; the church's colour for
// its feasts that are no day off; a dot for a fast; a triangle for the
// user's own days; what is shown of the day named in its tooltip, a line
// each, the user's names as typed.
void MonthGrid::MarkDay(int index, const DaysFacts& facts, int dayNumber, const std::string& ownNames) {
  bool dayOff = index % kColumns == 0, churchDay = false;
  std::string names;
  const auto name = [&names](const std::string& line) { names += (names.empty() ? "" : "\n") + line; };
  if (const DayFacts* found = FactsOn(facts, dayNumber)) {
    const DayFacts& day = *found;
    for (int h = day.firstHoliday; holidaysShown && h < day.firstHoliday + day.holidayCount; ++h) {
      dayOff = dayOff || (facts.holidays[h].tags & kPublicHoliday);
      churchDay = churchDay || ChurchDayOnly(facts.holidays[h]);
      name(style.language == Language::kEnglish ? HolidayNames(facts.holidays[h]) : NameIn(facts.holidays[h], style.language));
    }
    if (fastsShown && day.fast) {
      fastCells.set(index);
      name(NameIn(*day.fast, style.language));
    }
    if (saintsShown && day.commemoration) name(NameIn(*day.commemoration, style.language));
  }
  if (!ownNames.empty()) {
    userDayCells.set(index);
    name(WithoutSymbols(ownNames));
  }
  cells[index]->SetTextColor(dayOff ? FL_RED : churchDay ? kChurchDayColor : FL_FOREGROUND_COLOR);
  cells[index]->copy_tooltip(names.empty() ? nullptr : names.c_str());
}

// A day beyond the span the calendars convert says so, since a click on it
// picks nothing.
void MonthGrid::MarkSpan(int index, int dayNumber) {
  const bool inSpan = CalendarDate::InSpan(dayNumber);
  cells[index]->SetInSpan(inSpan);
  if (!inSpan) cells[index]->copy_tooltip(Tr(kOutsideSpanText));
}

void MonthGrid::HideCell(int index) {
  DayCell* cell = cells[index];
  cell->Clear();
  MarkDay(index, {}, 0);
  cell->color(FL_GRAY);
  cell->hide();
  cell->redraw();
}
