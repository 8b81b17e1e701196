#pragma once

#include <string>
#include <vector>

#include "core/locale/language_names.h"

// The Bahire Hasab window's table for one Ethiopian year, in a language and
// numerals: each row's cells, the figures two (the reckoners' word and the
// figure), the heading one, each movable feast three (its Ethiopian and
// Gregorian dates and its name).
using HasabRow = std::vector<std::string>;

// year in [1, 9999]
std::vector<HasabRow> HasabRows(int year, TextStyle style);
