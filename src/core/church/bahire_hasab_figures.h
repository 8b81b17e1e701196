#pragma once

#include <string>
#include <vector>

#include "core/locale/language_names.h"

// The Bahire Hasab of an Ethiopian year as the terminal and the window show
// it: each figure under its key, numbers in style's numerals (a figure of 0
// stays 0: Ge'ez numerals have no zero), the evangelist in style's language
// (in English with the name the church writes), days as E.C. YYYY/MM/DD.
struct Figure {
  const char* key;  // "evangelist", "amete-alem", ... "fasika"; shown as Tr(key)
  std::string value;
  int dayNumber = 0;  // a day's figure: the day; 0 for the others
};

// year in [1, 9999]
std::vector<Figure> BahireHasabFigures(int year, TextStyle style = {});
