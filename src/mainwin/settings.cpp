#include "mainwin/settings.h"

#include <FL/Fl_Preferences.H>

namespace {

const char kVendor[] = "zelmora";
const char kApplication[] = "zelmora";
const char kBaseKey[] = "base_calendar";
const char kHolidaysKey[] = "holidays";

}  // namespace

Settings LoadSettings() {
  Fl_Preferences preferences(Fl_Preferences::USER, kVendor, kApplication);
  Settings settings;
  int base = KindIndex(settings.baseKind), holidays = settings.holidays;
  preferences.get(kBaseKey, base, base);
  preferences.get(kHolidaysKey, holidays, holidays);
  KindFromNumber(base, &settings.baseKind);  // a damaged file keeps the default
  settings.holidays = holidays != 0;
  return settings;
}

// The file is written when the preferences go out of scope.
void SaveSettings(const Settings& settings) {
  Fl_Preferences preferences(Fl_Preferences::USER, kVendor, kApplication);
  preferences.set(kBaseKey, KindIndex(settings.baseKind));
  preferences.set(kHolidaysKey, settings.holidays ? 1 : 0);
}
