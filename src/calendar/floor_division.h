#pragma once

// Division and remainder rounded toward minus infinity, so that days and years
// before an epoch fall in the right cycle; b > 0.
constexpr long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
constexpr long long FloorMod(long long a, long long b) { return a - b * FloorDiv(a, b); }
