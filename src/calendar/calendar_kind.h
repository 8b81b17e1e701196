#pragma once

// The two calendars. A kind is used directly as an index into per-calendar
// tables and into DatePair::dates.
using CalendarKind = int;
constexpr CalendarKind Gregorian = 0;
constexpr CalendarKind Ethiopian = 1;

// The other calendar of a kind: 0 gives 1, anything else gives 0.
constexpr CalendarKind OtherKind(CalendarKind kind) { return !kind; }
