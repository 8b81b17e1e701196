// Text forms of a single date: display, numeric entry and console entry.
#include <climits>
#include <cstdio>

#include "core/calendar/calendar_date.h"
#include "core/calendar/date_names.h"
#include "core/calendar/number_scan.h"

namespace {

// The years a text entry may name; the day number is checked against the span too.
constexpr PerKind<long long> kFirstTextYear = {{kFirstSpanYear, 1}};
constexpr PerKind<long long> kLastTextYear = {{kLastSpanYear, 9999}};

// value (at least 0) in at least `width` digits, zeros in front, at out;
// returns the end. Written by hand into a buffer, as lists of thousands of
// dates are written at once.
char* AddPadded(int value, int width, char* out) {
  char digits[sizeof "-32768"];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  while (count < width) digits[count++] = '0';
  while (count > 0) *out++ = digits[--count];
  return out;
}

}  // namespace

std::string CalendarDate::Text() const {
  char text[64];  // at most 48 bytes
  std::snprintf(text, sizeof text, "%9s %10s(%2d) %2d, %4d", WeekdayName(kind, weekday), MonthName(kind, month),
                month, day, year);
  return text;
}

std::string CalendarDate::NumericText() const {
  constexpr int kYearDigits = 4, kDayDigits = 2;
  char text[sizeof "-2147483648/12/31"];
  char* end = text;
  if (year < 0) *end++ = '-';
  end = AddPadded(year < 0 ? -year : year, year < 0 ? kYearDigits - 1 : kYearDigits, end);
  *end++ = '/';
  end = AddPadded(month, kDayDigits, end);
  *end++ = '/';
  end = AddPadded(day, kDayDigits, end);
  return std::string(text, end);
}

const char* CalendarDate::Format() const {
  static char text[256];
  std::snprintf(text, sizeof text, "%s", Text().c_str());
  return text;
}

const char* CalendarDate::FormatNumeric() const {
  static char text[16];
  std::snprintf(text, sizeof text, "%s", NumericText().c_str());
  return text;
}

int CalendarDate::Parse(const char* text, CalendarKind k) { return ParseText(text, k) == ReadOutcome::kAccepted; }

ReadOutcome CalendarDate::ParseText(const char* text, CalendarKind k) { return Report(ReadText(text, k), stdout); }

ReadOutcome CalendarDate::ReadText(const char* text, CalendarKind k) {
  if (!text) return ReadOutcome::kNoDate;
  long long fields[3] = {year, month, day};
  TextSource source{text};
  if (!ScanInt(source, fields[0])) return ReadOutcome::kNoDate;  // no number at all is no date
  for (int i = 1; i < 3; ++i) {
    if (!ScanLiteral(source, '/') || !ScanInt(source, fields[i])) break;
  }
  return Accept(KindIndex(k), fields[0], fields[1], fields[2]);
}

int CalendarDate::ReadFromConsole(std::FILE* in, std::FILE* out) {
  FileSource source{in};
  long long kindRead = -1;
  std::fputs("Gregorian=0, Ethiopian=1> ", out);
  std::fflush(out);
  if (!ScanInt(source, kindRead)) return 0;
  std::fputs("\nInput date (yyyy mm dd):", out);
  std::fflush(out);
  // Unlike the text form, the console asks for all three numbers: a date
  // half typed is not taken.
  long long fields[3] = {};
  for (long long& field : fields) {
    if (!ScanInt(source, field)) return 0;
  }
  return Report(Accept(kindRead, fields[0], fields[1], fields[2]), out) == ReadOutcome::kAccepted;
}

ReadOutcome CalendarDate::Report(ReadOutcome outcome, std::FILE* out) {
  if (outcome == ReadOutcome::kPastMonthEnd) std::fputs("Input error!\n", out);
  return outcome;
}

// Nothing that is not a date in the span reaches the arithmetic, and such
// text leaves the date as it was.
ReadOutcome CalendarDate::Accept(long long kindRead, long long yearRead, long long monthRead, long long dayRead) {
  CalendarKind k = Gregorian;
  if (!KindFromNumber(kindRead, &k)) return ReadOutcome::kNoDate;
  if (monthRead < 1 || monthRead > LastMonth(k)) return ReadOutcome::kNoDate;
  if (yearRead < kFirstTextYear[k] || yearRead > kLastTextYear[k]) return ReadOutcome::kNoDate;
  if (dayRead < SCHAR_MIN || dayRead > SCHAR_MAX) return ReadOutcome::kNoDate;
  CalendarDate read(static_cast<int>(yearRead), static_cast<int>(monthRead), static_cast<int>(dayRead), k);
  if (!InSpan(read.dayNumber)) return ReadOutcome::kNoDate;
  *this = read;
  return day > DaysInMonth() ? ReadOutcome::kPastMonthEnd : ReadOutcome::kAccepted;
}
