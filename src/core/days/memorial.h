#pragma once

#include <array>
#include <cstdint>

#include "core/church/church_name.h"

// The days the Ethiopian Orthodox Church keeps in memory of one who has
// died: the commemorations of the first year after the day of passing, then
// that day every Ethiopian year (memorial.cpp cites the sources).
enum class Commemoration {
  kNone,  // not a memorial
  kPassing,
  kSeventhDay,
  kFortiethDay,
  kEightiethDay,
  kHalfYear,
  kFirstYear,
  kYearly,  // each year after the first
};

// Its name in English and in Amharic; kNone has empty names.
const ChurchName& CommemorationName(Commemoration which);

struct MemorialDate {
  int32_t day;
  Commemoration which;
};
// The day of passing, the three counted days, the half year and the first year.
constexpr int kFirstYearDates = 6;
// The day of passing and every commemoration up to the first year's, in order of day.
std::array<MemorialDate, kFirstYearDates> FirstYearOfMemorial(int32_t passing);
