// Ge'ez numerals.
#include <gtest/gtest.h>

#include "numerals/geez_numerals.h"

namespace {

TEST(GeezNumeral, WritesPairsWithTheirMarks) {
  const struct {
    long long number;
    const char* geez;
  } cases[] = {
      {1, "፩"},        {9, "፱"},          {10, "፲"},         {11, "፲፩"},          {29, "፳፱"},
      {99, "፺፱"},      {100, "፻"},        {101, "፻፩"},       {110, "፻፲"},         {200, "፪፻"},
      {999, "፱፻፺፱"},   {1000, "፲፻"},      {1001, "፲፻፩"},     {2019, "፳፻፲፱"},      {9999, "፺፱፻፺፱"},
      {10000, "፼"},    {10001, "፼፩"},     {10100, "፼፻"},     {20000, "፪፼"},       {123456, "፲፪፼፴፬፻፶፮"},
      {1000000, "፻፼"}, {2000000, "፪፻፼"},  {1010000, "፻፩፼"},  {99999999, "፺፱፻፺፱፼፺፱፻፺፱"},
  };
  for (const auto& c : cases) EXPECT_EQ(GeezNumeral(c.number), c.geez) << c.number;
}

}  // namespace
