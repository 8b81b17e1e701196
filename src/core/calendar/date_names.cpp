#include "core/calendar/date_names.h"

const char kMonthNames[26][kNameSlot] = {
    "January", "February", "March",    "April",  "May",   "June",   "July",
    "August",  "September", "October", "November", "December", "",
    "Meskerem", "Tkmt",    "Hdar",    "Tahsas", "Tr",    "Yakatit", "Megabit",
    "Miazya",  "Gnbot",    "Sene",    "Hamle",  "Nehase", "Pagume",
};

const char kWeekdayNames[14][kNameSlot] = {
    "Sunday", "Monday", "Tuesday",  "Wednesday", "Thursday", "Friday", "Saturday",
    "ihud",   "sagno",  "maksagno", "irob",      "hamus",    "arb",    "qidame",
};

const char kExportWeekdayShort[8][kNameSlot] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", ""};

const char kExportWeekdayLatin[8][kNameSlot] = {"ihud", "sagno", "maksagno", "irob", "hamus", "arb", "qidame", ""};

const char kExportWeekdayEthiopic[8][kNameSlot] = {
    "\xe1\x8a\xa0\xe1\x88\x91\xe1\x8b\xb5",              // ihud
    "\xe1\x88\xb5\xe1\x8a\x9e",                          // sagno
    "\xe1\x88\x9b\xe1\x8a\xad\xe1\x88\xb5\xe1\x8a\x9e",  // maksagno
    "\xe1\x88\xa8\xe1\x89\xa1\xe1\x8b\x95",              // irob
    "\xe1\x88\x90\xe1\x88\x99\xe1\x88\xb5",              // hamus
    "\xe1\x8b\x93\xe1\x88\xad\xe1\x89\xa5",              // arb
    "\xe1\x89\x85\xe1\x8b\xb3\xe1\x88\x9c",              // qidame
    "",
};

const char kExportMonthGregorian[14][kNameSlot] = {
    "January", "February", "March",   "April",    "May",      "June", "July",
    "August",  "September", "October", "November", "December", "",     "",
};

const char kExportMonthLatin[14][kNameSlot] = {
    "Meskerem", "Tkmt", "Hdar",  "Tahsas", "Tr",    "Yakatit", "Megabit",
    "Miazya",   "Gnbot", "Sene", "Hamle",  "Nehase", "Pagume", "",
};

// Meskerem uses all 15 bytes of its slot.
const char kExportMonthEthiopic[14][kNameSlot] = {
    "\xe1\x88\x98\xe1\x88\xb5\xe1\x8a\xa8\xe1\x88\xa8\xe1\x88\x9d",  // Meskerem
    "\xe1\x8c\xa5\xe1\x89\x85\xe1\x88\x9d\xe1\x89\xb5",              // Tkmt
    "\xe1\x88\x85\xe1\x8b\xb3\xe1\x88\xad",                          // Hdar
    "\xe1\x89\xb3\xe1\x88\x85\xe1\x88\xb3\xe1\x88\xb5",              // Tahsas
    "\xe1\x8c\xa5\xe1\x88\xad",                                      // Tr
    "\xe1\x8b\xa8\xe1\x8a\xab\xe1\x89\xb2\xe1\x89\xb5",              // Yakatit
    "\xe1\x88\x98\xe1\x8c\x8b\xe1\x89\xa2\xe1\x89\xb5",              // Megabit
    "\xe1\x88\x9a\xe1\x8b\xab\xe1\x8b\x9a\xe1\x8b\xab",              // Miazya
    "\xe1\x8c\x8d\xe1\x8a\x95\xe1\x89\xa6\xe1\x89\xb5",              // Gnbot
    "\xe1\x88\xb0\xe1\x8a\x94",                                      // Sene
    "\xe1\x88\x90\xe1\x88\x9d\xe1\x88\x8c",                          // Hamle
    "\xe1\x8a\x90\xe1\x88\x90\xe1\x88\xb4",                          // Nehase
    "\xe1\x8c\xb3\xe1\x8c\x89\xe1\x88\x9c",                          // Pagume
    "",
};

const char* MonthName(CalendarKind kind, int month) { return kMonthNames[KindIndex(kind) * 13 + month - 1]; }

const char* WeekdayName(CalendarKind kind, int weekday) { return kWeekdayNames[KindIndex(kind) * 7 + weekday]; }

const char* WeekdayHeadingName(CalendarKind kind, int weekday) { return ExportWeekdayName(kind, weekday, 0); }

const char* ExportWeekdayName(CalendarKind kind, int weekday, int ethiopicScript) {
  if (kind == Gregorian) return kExportWeekdayShort[weekday];
  return ethiopicScript ? kExportWeekdayEthiopic[weekday] : kExportWeekdayLatin[weekday];
}

const char* ExportMonthName(CalendarKind kind, int month, int ethiopicScript) {
  if (kind == Gregorian) return kExportMonthGregorian[month - 1];
  return ethiopicScript ? kExportMonthEthiopic[month - 1] : kExportMonthLatin[month - 1];
}
