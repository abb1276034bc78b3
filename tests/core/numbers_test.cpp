#include <gtest/gtest.h>

#include "core/numbers.h"

namespace kestrel {
namespace {

struct FormatCase {
  const char* picture;
  long double value;
  const char* expected;
};

TEST(FormatFloat, PicturesOfTheProgram) {
  const FormatCase cases[] = {
      {"0.0", 51.2345L, "51.2"},
      {"0.0", 359.6L, "359.6"},
      {"0.0", 0.04L, "0.0"},
      {"0.0", 0.05L, "0.1"},         // halves go away from zero
      {"0.0", 2.25L, "2.3"},         // judged on the decimal value, not the binary one
      {"0.0", 359.96L, "360.0"},
      {"0.0", -12.35L, "-12.4"},
      {"00.00", 29.3L, "29.30"},
      {"00.00", 5.5L, "05.50"},
      {"00.00", -151.22L, "-151.22"},
      {"00.00", -0.5L, "-00.50"},
      {"0.00", 0.18L / 0.6L, "0.30"},
      {"0.00", 0.59L / 0.6L, "0.98"},
      {"0.00", 0.01L / 0.6L, "0.02"},
      {"0", 5.5L, "6"},
      {"0", -6.0L, "-6"},
      {"0", 0.4L, "0"},
      {"##,##0", 0.0L, "0"},
      {"##,##0", 999.5L, "1,000"},
      {"##,##0", 54972.271L, "54,972"},
      {"##,##0", 16000000.0L, "16,000,000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFloat(c.picture, c.value), c.expected) << c.picture << " " << (double)c.value;
}

TEST(ReadingNumbers, AcceptsDecimalTextWhateverTheLocale) {
  EXPECT_DOUBLE_EQ((double)StrToFloat("29.30"), 29.30);
  EXPECT_DOUBLE_EQ((double)StrToFloat(" -151.22 "), -151.22);
  EXPECT_DOUBLE_EQ((double)StrToFloat(".18"), 0.18);
  EXPECT_DOUBLE_EQ((double)StrToFloat("+5.5"), 5.5);
  EXPECT_EQ(StrToInt(" 92"), 92);
  EXPECT_EQ(StrToInt("-12"), -12);
}

TEST(ReadingNumbers, RefusesWhatIsNoNumber) {
  for (const char* bad : {"", " ", ".", "29,30", "1e", "0x10", "inf", "nan", "12a", "- 5", "5 5"})
    EXPECT_THROW(StrToFloat(bad), ConversionError) << "'" << bad << "'";
  for (const char* bad : {"", "5.5", "x", "1 2", "99999999999999999999"})
    EXPECT_THROW(StrToInt(bad), ConversionError) << "'" << bad << "'";
}

TEST(ShortestDecimal, WritesNoTrailingZeros) {
  EXPECT_EQ(ShortestDecimal(-6), "-6");
  EXPECT_EQ(ShortestDecimal(5.5L), "5.5");
  EXPECT_EQ(ShortestDecimal(-3.5L), "-3.5");
  EXPECT_EQ(ShortestDecimal(0), "0");
  EXPECT_EQ(ShortestDecimal(-0.0L), "0");
  // Whatever is written reads back to the same value (found by fuzzing the preferences file).
  for (long double v : {2.77777777777777145L, 1.0L / 3, -12.000000000000002L}) {
    long double back = StrToFloat(ShortestDecimal(v));
    EXPECT_EQ(static_cast<double>(back), static_cast<double>(v)) << ShortestDecimal(v);
  }
}

}  // namespace
}  // namespace kestrel
