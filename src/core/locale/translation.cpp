#include "core/locale/translation.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

// glibc reads LANGUAGE again only when this counter moves.
extern "C" int _nl_msg_cat_cntr;

namespace {

const char kDomain[] = "zelmora";
Language spoken = Language::kEnglish;

// Sets LANGUAGE (or clears it for nullptr) and makes gettext see it.
void SetLanguage(const char* language) {
  if (language) {
    setenv("LANGUAGE", language, 1);
  } else {
    unsetenv("LANGUAGE");
  }
  ++_nl_msg_cat_cntr;
}

}  // namespace

void BindCatalog(const std::string& localeFolder) {
  // gettext ignores LANGUAGE in the C locale; its UTF-8 form is no C locale
  // to it and is always there.
  const char* messages = std::setlocale(LC_MESSAGES, "");
  if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0) {
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  }
  bindtextdomain(kDomain, localeFolder.c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
}

void SpeakLanguage(Language language) { spoken = language; }

Language SpokenLanguage() { return spoken; }

std::string Filled(const char* pattern, std::initializer_list<std::string> values) {
  std::string text;
  auto value = values.begin();
  for (const char* c = pattern; *c; ++c) {
    if (c[0] == '%' && c[1] == 's' && value != values.end()) {
      text += *value++;
      ++c;
    } else {
      text += *c;
    }
  }
  return text;
}

// The caller, not the user's locale, picks the language, and only for this
// lookup: a browser the program starts keeps the user's LANGUAGE.
const char* Tr(const char* english, Language language) {
  if (language == Language::kEnglish || !english || !*english) return english;
  const char* before = std::getenv("LANGUAGE");
  const std::string kept = before ? before : "";
  SetLanguage(LanguageCode(language));
  const char* text = dgettext(kDomain, english);
  SetLanguage(before ? kept.c_str() : nullptr);
  return text;
}
