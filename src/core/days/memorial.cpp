#include "core/days/memorial.h"

#include "core/days/repeat_dates.h"

namespace {

// The days kept after a death, and the sources that name them:
// - the 7th and 40th days and the first anniversary, "the most common times
//   for Requiem services" (ጸሎተ ፍትሐት), in a parish's own page: Debre Tsion
//   St. Mary EOTC, "Requiem (Tselote Fithat)",
//   https://debretsionstmaryeotcirving.org/requiem-tselote-fithat
// - the 40th day, the 80th, six months and one year (then the 3rd and 7th
//   years, which the yearly remembrance covers): "Nipsey Hussle's Ge'ez
//   Rite", https://aksum.substack.com/p/nipsey-hules-geez-rite-
// - the first year's remembrance, "አንደኛ ዓመት መታሠቢያ", kept with the prayer
//   for the dead: http://zamt.org/?p=123
// - counting with the day of death as the first day (death on 1 October,
//   third day 3 October), as the Russian Orthodox Church counts its 3rd, 9th
//   and 40th days: https://korchma-kazak.ru/en/useful-tips/9-dnei-posle-smerti-ili-posle-pohoron-pominalnye-dni-posle-pohoron-video.html
// Where they differ: the parish names the 7th day, the essay the 80th and
// the half year; both the 40th and the year. The Russian church keeps the
// 3rd and 9th days instead of the 7th. No source found names a 3rd, 12th or
// 30th day in the Ethiopian church, so none is kept here.
struct Fixed {
  Commemoration which;
  int ordinal;  // [7, 80] the day counted from the day of passing as day 1
};
constexpr Fixed kFixedDays[] = {
    {Commemoration::kSeventhDay, 7},
    {Commemoration::kFortiethDay, 40},
    {Commemoration::kEightiethDay, 80},
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
    {"Seventh day", "ሰባተኛ ቀን"},
    {"Fortieth day", "አርባኛ ቀን"},
    {"Eightieth day", "ሰማንያኛ ቀን"},
    {"Half year", "መንፈቅ"},
    {"First year", "አንደኛ ዓመት መታሠቢያ"},
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
