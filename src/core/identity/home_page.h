#pragma once

#include <string>

#include "core/language/language.h"

// The program's home page as an address that exists, for Website, the About
// window and the exported page's footer: the one configured at build time,
// else the installed help page's file:// address in language (the English
// one where that language has none).
std::string HomePageAddress(Language language);
