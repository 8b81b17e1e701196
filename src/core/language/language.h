#pragma once

// The language the program writes its names and texts in. English is the
// language the code is written in; every other one has a names table and a
// gettext catalog (po/<code>.po).
enum class Language { kEnglish, kAmharic };

constexpr int kLanguages = 2;

// The language's ISO 639 code, as gettext and HTML's lang name it: "en", "am".
const char* LanguageCode(Language language);

// The language a POSIX locale name speaks ("am", "am_ET", "am_ET.UTF-8",
// "am_ET@euro"): its language part, before any "_", "." or "@", is a
// language's code. Anything else, "ami_TW" (Amis) among them, is English.
Language LanguageOfLocale(const char* locale);

// The language of the user's messages: that of the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty.
Language LocaleLanguage();
