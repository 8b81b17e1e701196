#pragma once

#include <string>

#include "core/language/language.h"

// The help page's file in each language (index_e.htm, index_a.htm), one of
// the program's data files.
const char* HelpPageName(Language language);

// The installed help page in language, else the English one where that
// language has none; named as it is when neither is found, so that the
// opener's alert names it.
std::string HelpPage(Language language);
