#include "mainwin/settings.h"

#include <FL/Fl_Preferences.H>

#include "locale/amharic_names.h"

namespace {

const char kVendor[] = "zelmora";
const char kApplication[] = "zelmora";
const char kBaseKey[] = "base_calendar";
const char kHolidaysKey[] = "holidays";
const char kFastsKey[] = "fasts";
const char kSaintsKey[] = "saints";
const char kAmharicKey[] = "amharic";
const char kGeezKey[] = "geez";
const char kMyDaysKey[] = "my_days";

bool ReadFlag(Fl_Preferences& preferences, const char* key, bool byDefault) {
  int value = byDefault;
  preferences.get(key, value, value);
  return value != 0;
}

}  // namespace

Settings LoadSettings() {
  Fl_Preferences preferences(Fl_Preferences::USER, kVendor, kApplication);
  Settings settings;
  int base = KindIndex(settings.baseKind);
  preferences.get(kBaseKey, base, base);
  KindFromNumber(base, &settings.baseKind);  // a damaged file keeps the default
  settings.holidays = ReadFlag(preferences, kHolidaysKey, settings.holidays);
  settings.fasts = ReadFlag(preferences, kFastsKey, settings.fasts);
  settings.saints = ReadFlag(preferences, kSaintsKey, settings.saints);
  settings.amharic = ReadFlag(preferences, kAmharicKey, LocaleSpeaksAmharic());
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
  preferences.set(kAmharicKey, settings.amharic ? 1 : 0);
  preferences.set(kGeezKey, settings.geez ? 1 : 0);
  preferences.set(kMyDaysKey, settings.myDays ? 1 : 0);
}
