// Writes src/core/calendar/umalqura_table.cpp: for every Hijri year that ICU's
// islamic-umalqura calendar holds in its own table, the day number of
// 1 Muharram and the lengths of the twelve months. The program reads that
// table instead of loading ICU at run time.
#include <unicode/ucal.h>
#include <unicode/uversion.h>

#include <cmath>
#include <cstdio>

namespace {

// The years of ICU's Umm al-Qura data; outside them ICU reckons the tabular
// calendar, as the program does.
constexpr int kFirstYear = 1300;
constexpr int kLastYear = 1600;
constexpr int kPerLine = 6;
constexpr double kMillisPerDay = 86400000.0;
constexpr int kJdnOfDayZero = 2305447;
constexpr int kJdnOfUnixEpoch = 2440588;

int DayNumberOf(UCalendar* cal, int year, int month0) {
  UErrorCode status = U_ZERO_ERROR;
  ucal_clear(cal);
  ucal_setDate(cal, year, month0, 1, &status);
  const double days = std::floor(ucal_getMillis(cal, &status) / kMillisPerDay);
  return static_cast<int>(days) + kJdnOfUnixEpoch - kJdnOfDayZero;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: umalqura_table OUTPUT.cpp\n");
    return 2;
  }
  UErrorCode status = U_ZERO_ERROR;
  UCalendar* cal = ucal_open(u"UTC", -1, "en@calendar=islamic-umalqura", UCAL_DEFAULT, &status);
  std::FILE* out = std::fopen(argv[1], "w");
  if (U_FAILURE(status) || !out) {
    std::fprintf(stderr, "umalqura_table: %s\n", U_FAILURE(status) ? u_errorName(status) : argv[1]);
    return 1;
  }
  std::fprintf(out,
               "// Generated from ICU %s's islamic-umalqura calendar by tools/umalqura_table.cpp;\n"
               "// do not edit. Regenerate: cmake --build build --target umalqura_source\n"
               "#include \"calendar/umalqura_table.h\"\n\n"
               "const int kUmmAlQuraFirstYear = %d;\n"
               "const int kUmmAlQuraLastYear = %d;\n\n"
               "const UmmAlQuraYear kUmmAlQuraYears[%d] = {",
               U_ICU_VERSION, kFirstYear, kLastYear, kLastYear - kFirstYear + 1);
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    unsigned longMonths = 0;  // bit m set: month m + 1 has 30 days
    for (int month0 = 0; month0 < 12; ++month0) {
      ucal_clear(cal);
      ucal_setDate(cal, year, month0, 1, &status);
      if (ucal_getLimit(cal, UCAL_DATE, UCAL_ACTUAL_MAXIMUM, &status) == 30) longMonths |= 1u << month0;
    }
    const char* separator = (year - kFirstYear) % kPerLine ? " " : "\n    ";
    std::fprintf(out, "%s{%d, 0x%03x},", separator, DayNumberOf(cal, year, 0), longMonths);
  }
  std::fprintf(out, "\n};\n");
  ucal_close(cal);
  const bool failed = U_FAILURE(status) || std::fclose(out) != 0;
  if (failed) std::fprintf(stderr, "umalqura_table: %s\n", u_errorName(status));
  return failed;
}
