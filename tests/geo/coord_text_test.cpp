#include <gtest/gtest.h>

#include "core/numbers.h"
#include "geo/coord_text.h"

namespace kestrel {
namespace {

// Texts here are written with "°" standing for the byte 0xB0.
std::string D(std::string s) {
  for (size_t i; (i = s.find("\xC2\xB0")) != std::string::npos;) s.replace(i, 2, "\xB0");
  return s;
}

struct ConvertCase {
  const char* in;
  const char* out;
};

TEST(ConvertToDecMins, MinutesBecomeHundredths) {
  const ConvertCase cases[] = {
      {"N°29.18\\W°94.47", "N°29.30\\W°94.78"},
      {"S°33.52\\E°151.13", "S°33.87\\E°151.22"},
      {"N°29.00\\W°94.59", "N°29.00\\W°94.98"},
      {"N°29.01\\W°094.47", "N°29.02\\W°094.78"},     // a leading zero stays
      {"N°29.5\\W°94.47", "N°29.83\\W°94.78"},        // one digit counts as tens of minutes
      {"N°29.185\\W°94.47", "N°29.30\\W°94.78"},      // only two digits count
      {"Sydney  S°33.52\\E°151.13)", "S°33.87\\E°151.22"},  // name dropped, tail cut off
      {"N°29.18  \\W°94.47  ", "N°29.30\\W°94.78"},
      {"N°0.30\\E°0.30", "N°0.50\\E°0.50"},
  };
  for (const auto& c : cases) {
    DecMinsResult r = ConvertToDecMins(D(c.in));
    ASSERT_TRUE(r.ok) << c.in << ": " << r.warning;
    EXPECT_EQ(r.pair, D(c.out)) << c.in;
  }
}

TEST(ConvertToDecMins, UnreadableTextIsWarnedWithBothParts) {
  const ConvertCase cases[] = {
      {"29.18\\W°94.47", "Invalid degrees:   W°94.47"},        // no latitude marker
      {"N°\\W°94.47", "Invalid degrees: N°  W°94.47"},          // no minutes
      {"N°29.ab\\W°94.47", "Invalid degrees: N°29.ab  W°94.47"},
      {"N°29.18\\94.47", "Invalid degrees: N°29.18  "},         // no longitude marker
      {"N°29.18 W°94.47", "Invalid degrees:   W°94.47"},        // no separator
  };
  for (const auto& c : cases) {
    DecMinsResult r = ConvertToDecMins(D(c.in));
    EXPECT_FALSE(r.ok) << c.in;
    EXPECT_EQ(r.warning, D(c.out)) << c.in;
  }
}

TEST(ConvertToDecMins, MinutesOfSixtyOrMoreAreRefused) {
  // Without this check N°29.75 would silently become N°29.25.
  for (const char* in : {"N°29.75\\W°94.47", "N°29.18\\W°94.60", "N°29.99\\W°94.00"}) {
    DecMinsResult r = ConvertToDecMins(D(in));
    EXPECT_FALSE(r.ok) << in;
    EXPECT_EQ(r.warning, "Minutes must be between 00 and 59.") << in;
  }
}

TEST(SplitCoordPair, SignsFollowTheHemispheres) {
  struct Case { const char* pair; double lat, lon; } cases[] = {
      {"N°29.30\\W°94.78", 29.30, 94.78},
      {"S°33.87\\E°151.22", -33.87, -151.22},
      {"S°12.50\\W°77.05", -12.50, 77.05},
      {"N°0.00\\E°0.00", 0, 0},
  };
  for (const auto& c : cases) {
    LatLon v = SplitCoordPair(D(c.pair));
    EXPECT_NEAR((double)v.lat, c.lat, 1e-12) << c.pair;
    EXPECT_NEAR((double)v.lon, c.lon, 1e-12) << c.pair;
  }
  EXPECT_THROW(SplitCoordPair(D("N°29.x0\\W°94.78")), ConversionError);
}

TEST(HomePairValues, TakesNumbersFromTheConvertedPairAndSignsFromTheTypedTexts) {
  LatLon h = HomePairValues(D("N°29.18"), D("W°94.47"), D("N°29.30\\W°94.78"));
  EXPECT_NEAR((double)h.lat, 29.30, 1e-12);
  EXPECT_NEAR((double)h.lon, 94.78, 1e-12);
  h = HomePairValues(D("S°33.52"), D("E°151.13"), D("S°33.87\\E°151.22"));
  EXPECT_NEAR((double)h.lat, -33.87, 1e-12);
  EXPECT_NEAR((double)h.lon, -151.22, 1e-12);
}

TEST(ToggleHemisphere, InsertsThenFlipsTheMarker) {
  struct Case { const char* in; char a, b; const char* out; } cases[] = {
      {"", 'N', 'S', "N°"},
      {"29.18", 'N', 'S', "N°29.18"},
      {"N°29.18", 'N', 'S', "S°29.18"},
      {"S°29.18", 'N', 'S', "N°29.18"},
      {"", 'W', 'E', "W°"},
      {"W°94.47", 'W', 'E', "E°94.47"},
      {"E°94.47", 'W', 'E', "W°94.47"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToggleHemisphere(D(c.in), c.a, c.b), D(c.out)) << c.in;
  // Twice returns the text it started from.
  EXPECT_EQ(ToggleHemisphere(ToggleHemisphere(D("N°29.18"), 'N', 'S'), 'N', 'S'), D("N°29.18"));
}

}  // namespace
}  // namespace kestrel
