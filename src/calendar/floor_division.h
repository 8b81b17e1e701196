#pragma once

// Division and remainder rounded toward minus infinity, so that days and years
// before an epoch fall in the right cycle; b > 0. A negative a is moved down
// by b - 1 first, so one truncating division rounds it down: no remainder
// and sign fix-up after it.
constexpr long long FloorDiv(long long a, long long b) { return (a >= 0 ? a : a - (b - 1)) / b; }
constexpr long long FloorMod(long long a, long long b) { return a - b * FloorDiv(a, b); }
