#include "config/text.h"

#include <gtest/gtest.h>

namespace tablerun {
namespace {

TEST(NumberText, ZeroFilledWithTheSignFirstAndStarsWhenTooWide) {
  struct TCase {
    std::int64_t value;
    int width;
    const char* text;
  };
  for (const auto& [value, width, text] : std::initializer_list<TCase>{{1, 4, "0001"},
                                                                       {-1, 4, "-001"},
                                                                       {-1, 3, "-01"},
                                                                       {0, 3, "000"},
                                                                       {12345, 4, "****"},
                                                                       {-999, 3, "***"},
                                                                       {INT64_MIN, 25, "-000009223372036854775808"}}) {
    EXPECT_EQ(fnZeroFill(value, width), text) << value << " in " << width;
  }
}

TEST(NumberText, ParsesWholeNumbersOnly) {
  EXPECT_EQ(fnParseInteger(" 42 "), 42);
  EXPECT_EQ(fnParseInteger("-0012"), -12);
  EXPECT_EQ(fnParseInteger("+7"), 7);
  for (const char* bad : {"", " ", "12a", "a12", "1 2", "99999999999999999999", "-"})
    EXPECT_FALSE(fnParseInteger(bad)) << bad;
  EXPECT_EQ(fnColourFromStored(2147483663LL), -2147483633);
  EXPECT_EQ(fnColourFromStored(-2147483633LL), -2147483633);
  EXPECT_EQ(fnColourFromStored(32768), 32768);
}

}  // namespace
}  // namespace tablerun
