#pragma once

#include <initializer_list>
#include <string>

// The window's texts for people, in English or, once asked for, in Amharic
// from the "zelmora" gettext catalog (po/am.po). A text the catalog lacks
// stays English.

// Binds the catalog found under localeFolder (.../share/locale).
void BindCatalog(const std::string& localeFolder);
void SpeakAmharic(bool on);
bool SpeaksAmharic();
// english as the chosen language says it; static text.
const char* Tr(const char* english);
// pattern with each "%s" replaced by the next of values: a sentence that
// names a file keeps its words in one catalog entry, in the order its
// language puts them.
std::string Filled(const char* pattern, std::initializer_list<std::string> values);
// Marks a text that Tr() looks up later, where it is stored, so that
// xgettext finds it for the catalog.
#define N_(english) english
