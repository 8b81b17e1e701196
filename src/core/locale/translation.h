#pragma once

#include <initializer_list>
#include <string>

#include "core/language/language.h"

// The window's texts for people, in English or in another language from its
// "zelmora" gettext catalog (po/<code>.po). A text the catalog lacks stays
// English.

// Binds the catalogs found under localeFolder (.../share/locale).
void BindCatalog(const std::string& localeFolder);
// The language the windows speak, which Tr(english) uses.
void SpeakLanguage(Language language);
Language SpokenLanguage();
// english as language says it; static text.
const char* Tr(const char* english, Language language);
// english as the windows' language says it.
inline const char* Tr(const char* english) { return Tr(english, SpokenLanguage()); }
// pattern with each "%s" replaced by the next of values: a sentence that
// names a file keeps its words in one catalog entry, in the order its
// language puts them.
std::string Filled(const char* pattern, std::initializer_list<std::string> values);
// Marks a text that Tr() looks up later, where it is stored, so that
// xgettext finds it for the catalog.
#define N_(english) english
