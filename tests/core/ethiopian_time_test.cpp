// The hours as Ethiopia counts them.
#include <gtest/gtest.h>

#include "core/locale/ethiopian_time.h"

namespace {

TEST(EthiopianTime, CountsFromSixWithThePartOfTheDay) {
  const struct {
    int western, hour;
    DayPart part;
  } cases[] = {
      {0, 6, DayPart::kNight},      {5, 11, DayPart::kNight},     {6, 12, DayPart::kMorning},
      {7, 1, DayPart::kMorning},    {11, 5, DayPart::kMorning},   {12, 6, DayPart::kAfternoon},
      {17, 11, DayPart::kAfternoon}, {18, 12, DayPart::kEvening}, {23, 5, DayPart::kEvening},
  };
  for (const auto& c : cases) {
    const EthiopianTime said = EthiopianTimeOf(c.western);
    EXPECT_EQ(said.hour, c.hour) << c.western;
    EXPECT_EQ(said.part, c.part) << c.western;
  }
}

}  // namespace
