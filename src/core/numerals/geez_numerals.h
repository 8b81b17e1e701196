#pragma once

#include <string>

// A number in Ge'ez numerals (UTF-8): units and tens in pairs of decimal
// digits, each pair followed by ፻ (100) or ፼ (10000) by its place, as
// 2019 is ፳፻፲፱ and 1000000 is ፻፼. A lone 1 before ፻, or before ፼ at the
// front, is left out (100 is ፻, 10000 is ፼). number in [1, 99999999].
std::string GeezNumeral(long long number);
