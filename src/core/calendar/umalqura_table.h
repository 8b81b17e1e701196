#pragma once

#include <cstdint>

// One Hijri year of the Umm al-Qura calendar.
struct UmmAlQuraYear {
  std::int32_t firstDay;    // day number of 1 Muharram
  std::uint16_t longMonths; // bit m set: month m + 1 has 30 days, else 29
};

// The years [kUmmAlQuraFirstYear, kUmmAlQuraLastYear], generated from ICU.
extern const int kUmmAlQuraFirstYear;
extern const int kUmmAlQuraLastYear;
extern const UmmAlQuraYear kUmmAlQuraYears[];
