#pragma once

#include <string>

// A fast's or a commemoration's name in English and in Amharic (Ethiopic
// script, UTF-8), as a holiday carries its two names; static text.
struct ChurchName {
  const char* english;
  const char* amharic;
};

// The name in Amharic when asked, else in English.
inline const char* NameIn(const ChurchName& name, bool amharic) { return amharic ? name.amharic : name.english; }

// "English - Amharic", as the exported page names a holiday.
inline std::string BothNames(const ChurchName& name) { return std::string(name.english) + " - " + name.amharic; }
