#include "core/language/language.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

const char* const kCodes[kLanguages] = {"en", "am"};

}  // namespace

const char* LanguageCode(Language language) { return kCodes[static_cast<int>(language)]; }

Language LanguageOfLocale(const char* locale) {
  if (!locale) return Language::kEnglish;
  const std::size_t length = std::strcspn(locale, "_.@");
  for (int i = 0; i < kLanguages; ++i) {
    if (std::strlen(kCodes[i]) == length && std::strncmp(locale, kCodes[i], length) == 0) return Language(i);
  }
  return Language::kEnglish;
}

Language LocaleLanguage() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return LanguageOfLocale(value);
  }
  return Language::kEnglish;
}
