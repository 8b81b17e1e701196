#pragma once

#include <cstdint>

// The two calendars. Gregorian and Ethiopian also stand unqualified, as the
// rest of the core names them; a kind becomes a number only through
// KindIndex (table rows) and KindFromNumber (a choice index, a file, a text).
enum class CalendarKind : std::int32_t { Gregorian = 0, Ethiopian = 1 };
inline constexpr CalendarKind Gregorian = CalendarKind::Gregorian;
inline constexpr CalendarKind Ethiopian = CalendarKind::Ethiopian;

constexpr int KindIndex(CalendarKind kind) { return static_cast<int>(kind); }  // [0, 1]

constexpr CalendarKind OtherKind(CalendarKind kind) { return kind == Gregorian ? Ethiopian : Gregorian; }

// 0 is Gregorian, 1 Ethiopian; false for any other number, *kind untouched.
constexpr bool KindFromNumber(long long number, CalendarKind* kind) {
  if (number != 0 && number != 1) return false;
  *kind = static_cast<CalendarKind>(number);
  return true;
}

// One value per calendar, indexed by kind.
template <class T>
struct PerKind {
  T items[2];
  constexpr T& operator[](CalendarKind kind) { return items[KindIndex(kind)]; }
  constexpr const T& operator[](CalendarKind kind) const { return items[KindIndex(kind)]; }
  constexpr const T* begin() const { return items; }
  constexpr const T* end() const { return items + 2; }
};
