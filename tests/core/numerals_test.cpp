// Ge'ez numerals, against ICU's "ethi" numbering system as an independent writer.
#include <gtest/gtest.h>
#include <unicode/unum.h>
#include <unicode/ustring.h>

#include <string>

#include "core/numerals/geez_numerals.h"

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

// Every number up to 10000, so every unit and ten is met alone, in pairs
// and before each mark.
TEST(GeezNumeral, AgreesWithIcuUpToTenThousand) {
  UErrorCode status = U_ZERO_ERROR;
  UNumberFormat* icu = unum_open(UNUM_DEFAULT, nullptr, 0, "am@numbers=ethi", nullptr, &status);
  ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  constexpr int kLast = 10000;
  constexpr int32_t kRoom = 64;
  for (int n = 1; n <= kLast; ++n) {
    UChar utf16[kRoom];
    const int32_t length = unum_format(icu, n, utf16, kRoom, nullptr, &status);
    char utf8[256];
    u_strToUTF8(utf8, sizeof utf8, nullptr, utf16, length, &status);
    ASSERT_TRUE(U_SUCCESS(status)) << n << ": " << u_errorName(status);
    ASSERT_EQ(GeezNumeral(n), utf8) << n;
  }
  unum_close(icu);
}

}  // namespace
