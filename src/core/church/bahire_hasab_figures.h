#pragma once

#include <string>
#include <vector>

// The Bahire Hasab of an Ethiopian year as the terminal and the window show
// it: each figure under its key, numbers as numbers and days as E.C.
// YYYY/MM/DD.
struct Figure {
  const char* key;  // "evangelist", "amete-alem", ... "fasika"; the window shows Tr(key)
  std::string value;
  int dayNumber = 0;  // a day's figure: the day; 0 for the others
};

// year in [1, 9999]
std::vector<Figure> BahireHasabFigures(int year);
