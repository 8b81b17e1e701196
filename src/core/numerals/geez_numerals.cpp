#include "core/numerals/geez_numerals.h"

#include <vector>

namespace {

constexpr int kPairBase = 100;
// U+1369..U+1371 are the units 1-9, U+1372..U+137A the tens 10-90.
const char* const kUnits[] = {"", "፩", "፪", "፫", "፬", "፭", "፮", "፯", "፰", "፱"};
const char* const kTens[] = {"", "፲", "፳", "፴", "፵", "፶", "፷", "፸", "፹", "፺"};
const char kHundred[] = "፻";
const char kTenThousand[] = "፼";

std::string PairText(int pair) { return std::string(kTens[pair / 10]) + kUnits[pair % 10]; }

}  // namespace

std::string GeezNumeral(long long number) {
  // The pairs of decimal digits, the lowest first.
  std::vector<int> pairs;
  for (; number > 0; number /= kPairBase) pairs.push_back(static_cast<int>(number % kPairBase));
  std::string text;
  for (std::size_t place = pairs.size(); place-- > 0;) {
    const int pair = pairs[place];
    // An odd place is followed by ፻, an even one above the units by ፼.
    const char* mark = place == 0 ? "" : place % 2 == 1 ? kHundred : kTenThousand;
    // A lone 1 before ፻ is not written (100 is ፻), nor before a leading ፼
    // (10000 is ፼); after ፻ it is, or 1010000 (፻፩፼) would read 1000000.
    const bool leading = place + 1 == pairs.size();
    const bool silentOne = pair == 1 && (place % 2 == 1 || (place > 0 && leading));
    if (pair != 0 && !silentOne) text += PairText(pair);
    // ፼ closes its group even when its pair is zero, unless the group above it
    // (the ፻ pair) was empty too.
    if (pair != 0 || (place % 2 == 0 && place > 0 && pairs[place + 1] != 0)) text += mark;
  }
  return text;
}
