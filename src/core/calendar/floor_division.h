#pragma once

// Division and remainder rounded toward minus infinity, so that days and years
// before an epoch fall in the right cycle; b > 0. Below zero, a's complement
// -a - 1 is not negative and its quotient's complement is the floor, so one
// unsigned division (a shift or a multiply for a constant b) with no sign
// fix-up serves both signs; `below` is all ones for a negative a, else zero.
constexpr long long FloorDiv(long long a, long long b) {
  using Unsigned = unsigned long long;
  const long long below = -static_cast<long long>(a < 0);
  return below ^ static_cast<long long>(static_cast<Unsigned>(a ^ below) / static_cast<Unsigned>(b));
}
constexpr long long FloorMod(long long a, long long b) { return a - b * FloorDiv(a, b); }
