#include "core/folders/help_page.h"

#include <initializer_list>

#include "core/folders/folders.h"

namespace {

// The letter after "index_" is the language's initial, as the first page was named.
const char* const kPageNames[kLanguages] = {"index_e.htm", "index_a.htm"};

}  // namespace

const char* HelpPageName(Language language) { return kPageNames[static_cast<int>(language)]; }

std::string HelpPage(Language language) {
  for (Language page : {language, Language::kEnglish}) {
    const std::string found = FindDataFile(HelpPageName(page));
    if (!found.empty()) return found;
  }
  return HelpPageName(language);
}
