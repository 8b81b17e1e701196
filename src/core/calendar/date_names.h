#pragma once

#include "core/calendar/calendar_kind.h"

// Every name sits in a 16-byte NUL-padded slot; empty slots read as "".
constexpr int kNameSlot = 16;

// Index kind * 13 + month - 1; slot 12 is empty (no 13th Gregorian month).
extern const char kMonthNames[26][kNameSlot];
// Index kind * 7 + weekday.
extern const char kWeekdayNames[14][kNameSlot];

// The window's name of a month: month in [1, 12] Gregorian, [1, 13] Ethiopian.
const char* MonthName(CalendarKind kind, int month);
// The date line's name of a weekday: weekday in [0, 6], 0 = Sunday.
const char* WeekdayName(CalendarKind kind, int weekday);
// The grid's column heading: "Sun" .. "Sat", or the Latin Ethiopian name.
const char* WeekdayHeadingName(CalendarKind kind, int weekday);

// The names of the HTML page: English, Latin transliteration and Ethiopic
// script (UTF-8).
extern const char kExportWeekdayShort[8][kNameSlot];
extern const char kExportWeekdayLatin[8][kNameSlot];
extern const char kExportWeekdayEthiopic[8][kNameSlot];
extern const char kExportMonthGregorian[14][kNameSlot];
extern const char kExportMonthLatin[14][kNameSlot];
extern const char kExportMonthEthiopic[14][kNameSlot];

// weekday in [0, 6]; a Gregorian kind ignores the script flag.
const char* ExportWeekdayName(CalendarKind kind, int weekday, int ethiopicScript);
// month in [1, 12] Gregorian, [1, 13] Ethiopian.
const char* ExportMonthName(CalendarKind kind, int month, int ethiopicScript);
