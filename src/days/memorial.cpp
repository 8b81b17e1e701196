#include "days/memorial.h"

#include "days/repeat_dates.h"

namespace {

// The days kept after a death, counted with the day of passing as the first
// (so the third day is two days after it), as the Orthodox churches count
// the third and the fortieth day:
// - "ሣልስት" (third day), seventh, twelfth, thirtieth, fortieth ("አርባ"),
//   eightieth ("ሰማንያ"), half year ("መንፈቅ") and the year ("ዓመት"):
//   Tezkar, "Nipsey Hussle's Ge'ez Rite", https://aksum.substack.com/p/nipsey-hules-geez-rite-
//   names the 40th day, the 80th, six months and one year, then the 3rd and
//   7th years, which the yearly remembrance covers;
// - the first year's remembrance ("አንደኛ ዓመት መታሰቢያ") kept with the prayer
//   for the dead (ጸሎተ ፍትሐት): http://zamt.org/?p=123, and what the prayer is,
//   https://eotcnor.no/services/;
// - the third day counted with the day of death as day one (1 October, then
//   3 October): https://korchma-kazak.ru/en/useful-tips/9-dnei-posle-smerti-ili-posle-pohoron-pominalnye-dni-posle-pohoron-video.html
//   (the Russian church, which keeps the ninth day where the Ethiopian keeps
//   the seventh and twelfth).
// The sources differ on which early days are kept: the 40th, 80th, half
// year and year are in all; the third, seventh, twelfth and thirtieth are
// the days of the prayer for the dead that families ask of the parish.
struct Fixed {
  Commemoration which;
  int ordinal;  // [3, 80] the day counted from the day of passing as day 1
};
constexpr Fixed kFixedDays[] = {
    {Commemoration::kThirdDay, 3},      {Commemoration::kSeventhDay, 7},    {Commemoration::kTwelfthDay, 12},
    {Commemoration::kThirtiethDay, 30}, {Commemoration::kFortiethDay, 40}, {Commemoration::kEightiethDay, 80},
};

constexpr int kHalfYearMonths = 6;
constexpr int kMonthsBeforePagume = 12;

// Six months on, counting the twelve months of thirty days (Pagume, five or
// six days, is no month of its own here): a passing in Pagume comes to
// Yekatit, the sixth month of the next year.
int32_t HalfYear(const repeat_dates::Fields& passing) {
  int year = passing.year;
  int month = passing.month == repeat_dates::kPagume ? kMonthsBeforePagume : passing.month;
  month += kHalfYearMonths;
  if (month > kMonthsBeforePagume) {
    month -= kMonthsBeforePagume;
    ++year;
  }
  return CalendarDate(year, month, passing.day, Ethiopian).dayNumber;
}

const ChurchName kNames[] = {
    {"", ""},
    {"Day of passing", "የዕረፍት ቀን"},
    {"Third day", "ሣልስት"},
    {"Seventh day", "ሰባተኛ ቀን"},
    {"Twelfth day", "አሥራ ሁለተኛ ቀን"},
    {"Thirtieth day", "ሠላሳኛ ቀን"},
    {"Fortieth day", "አርባኛ ቀን"},
    {"Eightieth day", "ሰማንያኛ ቀን"},
    {"Half year", "መንፈቅ"},
    {"First year", "አንደኛ ዓመት መታሰቢያ"},
    {"Yearly remembrance", "ዓመታዊ መታሰቢያ"},
};

}  // namespace

const ChurchName& CommemorationName(Commemoration which) { return kNames[static_cast<int>(which)]; }

std::array<MemorialDate, kFirstYearDates> FirstYearOfMemorial(int32_t passing) {
  std::array<MemorialDate, kFirstYearDates> dates{};
  size_t next = 0;
  dates[next++] = {passing, Commemoration::kPassing};
  for (const Fixed& fixed : kFixedDays) dates[next++] = {passing + fixed.ordinal - 1, fixed.which};
  const repeat_dates::Fields fields = repeat_dates::Split(passing, Ethiopian);
  dates[next++] = {HalfYear(fields), Commemoration::kHalfYear};
  dates[next++] = {repeat_dates::EthiopianYearDay(fields, fields.year + 1), Commemoration::kFirstYear};
  return dates;
}
