#include "gui/mainwin/settings.h"

#include <FL/Fl.H>
#include <FL/Fl_Preferences.H>
#include <FL/Fl_Window.H>

namespace {

const char kVendor[] = "zelmora";
const char kApplication[] = "zelmora";
const char kBaseKey[] = "base_calendar";
const char kHolidaysKey[] = "holidays";
const char kFastsKey[] = "fasts";
const char kSaintsKey[] = "saints";
const char kLanguageKey[] = "language";
const char kAmharicKey[] = "amharic";  // the yes or no that came before the language
constexpr int kCodeSize = 16;            // a language code and more
const char kGeezKey[] = "geez";
const char kMyDaysKey[] = "my_days";

bool ReadFlag(Fl_Preferences& preferences, const char* key, bool byDefault) {
  int value = byDefault;
  preferences.get(key, value, value);
  return value != 0;
}

// The saved language's code; else Amharic where an earlier run saved it as
// on; else the locale's.
Language ReadLanguage(Fl_Preferences& preferences) {
  char code[kCodeSize] = "";
  if (preferences.get(kLanguageKey, code, "", sizeof code) && *code) return LanguageOfLocale(code);
  const Language byDefault = LocaleLanguage();
  const bool amharic = ReadFlag(preferences, kAmharicKey, byDefault == Language::kAmharic);
  return amharic ? Language::kAmharic : byDefault;
}

const char kPlacesGroup[] = "places";
const char* const kPlaceKeys[] = {"x", "y", "w", "h"};
constexpr int kPlaceParts = 4;

// Whether a stretch of the window's top edge, where it is taken to move it,
// lies on one of the screens.
bool OnAScreen(int x, int y, int w) {
  for (int screen = 0; screen < Fl::screen_count(); ++screen) {
    int sx, sy, sw, sh;
    Fl::screen_xywh(sx, sy, sw, sh, screen);
    if (y >= sy && y < sy + sh && x < sx + sw && x + w > sx) return true;
  }
  return false;
}

}  // namespace

void SavePlace(const char* name, const Fl_Window& window) {
  Fl_Preferences preferences(Fl_Preferences::USER, kVendor, kApplication);
  Fl_Preferences places(preferences, kPlacesGroup);
  Fl_Preferences place(places, name);
  const int parts[kPlaceParts] = {window.x(), window.y(), window.w(), window.h()};
  for (int i = 0; i < kPlaceParts; ++i) place.set(kPlaceKeys[i], parts[i]);
}

void RestorePlace(const char* name, Fl_Window* window) {
  Fl_Preferences preferences(Fl_Preferences::USER, kVendor, kApplication);
  Fl_Preferences places(preferences, kPlacesGroup);
  if (!places.groupExists(name)) return;
  Fl_Preferences place(places, name);
  int parts[kPlaceParts] = {window->x(), window->y(), window->w(), window->h()};
  for (int i = 0; i < kPlaceParts; ++i) place.get(kPlaceKeys[i], parts[i], parts[i]);
  const auto [x, y, w, h] = parts;
  if (OnAScreen(x, y, w)) {
    window->resize(x, y, w, h);
  } else {
    window->size(w, h);
  }
}

Settings LoadSettings() {
  Fl_Preferences preferences(Fl_Preferences::USER, kVendor, kApplication);
  Settings settings;
  int base = KindIndex(settings.baseKind);
  preferences.get(kBaseKey, base, base);
  KindFromNumber(base, &settings.baseKind);  // a damaged file keeps the default
  settings.holidays = ReadFlag(preferences, kHolidaysKey, settings.holidays);
  settings.fasts = ReadFlag(preferences, kFastsKey, settings.fasts);
  settings.saints = ReadFlag(preferences, kSaintsKey, settings.saints);
  settings.language = ReadLanguage(preferences);
  settings.geez = ReadFlag(preferences, kGeezKey, settings.geez);
  settings.myDays = ReadFlag(preferences, kMyDaysKey, settings.myDays);
  return settings;
}

// The file is written when the preferences go out of scope.
void SaveSettings(const Settings& settings) {
  Fl_Preferences preferences(Fl_Preferences::USER, kVendor, kApplication);
  preferences.set(kBaseKey, KindIndex(settings.baseKind));
  preferences.set(kHolidaysKey, settings.holidays ? 1 : 0);
  preferences.set(kFastsKey, settings.fasts ? 1 : 0);
  preferences.set(kSaintsKey, settings.saints ? 1 : 0);
  preferences.set(kLanguageKey, LanguageCode(settings.language));
  preferences.deleteEntry(kAmharicKey);
  preferences.set(kGeezKey, settings.geez ? 1 : 0);
  preferences.set(kMyDaysKey, settings.myDays ? 1 : 0);
}
