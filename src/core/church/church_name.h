#pragma once

#include <string>

#include "core/language/language.h"

// A fast's or a commemoration's name in English and in Amharic (Ethiopic
// script, UTF-8), as a holiday carries its two names; static text.
struct ChurchName {
  const char* english;
  const char* amharic;
};

// The name in the language asked for.
inline const char* NameIn(const ChurchName& name, Language language) {
  return language == Language::kAmharic ? name.amharic : name.english;
}
