#include <gtest/gtest.h>
#include <hamlib/rig.h>
#include <hamlib/rotator.h>

#include <cmath>

#include "geo/locator.h"

namespace kestrel {
namespace {

std::string D(std::string s) {
  for (size_t i; (i = s.find("\xC2\xB0")) != std::string::npos;) s.replace(i, 2, "\xB0");
  return s;
}

TEST(Locator, CornersOfSquaresAndSubsquares) {
  struct Case { const char* loc; const char* pair; double lat, lonWest; } cases[] = {
      {"EL29", "N°29.00\\W°96.00", 29.0, 96.0},
      {"EL29BB", "N°29.2\\W°95.55", 29 + 2.5 / 60, 95 + 55.0 / 60},
      {"EL29AB", "N°29.2\\W°96.00", 29 + 2.5 / 60, 96.0},
      {"EM12MA", "N°32.0\\W°97.0", 32.0, 97.0},  // 60 minutes carried into the degrees
      {"QF56", "S°34.00\\E°150.00", -34.0, -150.0},
      {"QF56LX", "S°33.2\\E°150.55", -(33 + 2.5 / 60), -(150 + 55.0 / 60)},
      {"IO91WM", "N°51.30\\W°0.10", 51.5, 10.0 / 60},  // west between 0 and -1 degree
      {"JJ00", "N°0.00\\E°0.00", 0.0, 0.0},
      {"RR99XX", "N°89.58\\E°179.55", 89 + 57.5 / 60, -(179 + 55.0 / 60)},  // 57.5 to the even 58
      {"AA00AC", "S°89.55\\W°180.00", -90 + 5.0 / 60, 180.0},  // below the equator the minutes count back
  };
  for (const auto& c : cases) {
    LocatorCheck check = ValidateLocator(c.loc);
    ASSERT_TRUE(check.ok) << c.loc << ": " << check.warning;
    LocatorCornerResult r = LocatorCorner(check.upper);
    EXPECT_EQ(r.pairText, D(c.pair)) << c.loc;
    EXPECT_NEAR(r.lat, c.lat, 1e-12) << c.loc;
    EXPECT_NEAR(r.lon, c.lonWest, 1e-12) << c.loc;
  }
}

TEST(Locator, ValidationReportsTheFirstFault) {
  struct Case { const char* text; bool ok; const char* upper; const char* warning; } cases[] = {
      {"el29", true, "EL29", ""},
      {"el29bb", true, "EL29BB", ""},
      {"EL2", false, "EL2", "Grid description must be 4 or 6 characters in length."},
      {"EL29A", false, "EL29A", "Grid description must be 4 or 6 characters in length."},
      {"", false, "", "Grid description must be 4 or 6 characters in length."},
      {"EL2X", false, "EL2X", "Invalid Grid description - X"},
      {"EZ29", false, "EZ29", "Invalid Grid description - Z"},
      {"EL29AY", false, "EL29AY", "Invalid Grid description - Y"},
      {"SL29", false, "SL29", "Invalid Grid description - S"},
      {"EL 9", false, "EL 9", "Invalid Grid description -  "},
      {"1L29", false, "1L29", "Invalid Grid description - 1"},
  };
  for (const auto& c : cases) {
    LocatorCheck r = ValidateLocator(c.text);
    EXPECT_EQ(r.ok, c.ok) << c.text;
    EXPECT_EQ(r.upper, c.upper);
    EXPECT_EQ(r.warning, c.warning) << c.text;
  }
}

TEST(GridCalc, SquareOfAPosition) {
  struct Case { double lat, lonEast; const char* grid; } cases[] = {
      {29.30, -94.78, "EL29"}, {-33.87, 151.22, "QF56"}, {51.50, -0.12, "IO91"},
      {90.0, 180.0, "RR99"},  // the far edges count to the last field and square
      {-90.0, -180.0, "AA00"}, {0.0, 0.0, "JJ00"},
  };
  for (const auto& c : cases) EXPECT_EQ(GridCalc(c.lat, c.lonEast), c.grid) << c.lat << " " << c.lonEast;
  // Not a number, or far outside the earth: the nearest edge field (found by fuzzing).
  EXPECT_EQ(GridCalc(std::nan(""), std::nan("")), "AA00");
  EXPECT_EQ(GridCalc(1e300, -1e300), "AR09");
  EXPECT_EQ(GridLocator(29.30, -94.78, 6), "EL29OH");
  EXPECT_EQ(GridLocator(29.30, -94.78, 8), "EL29OH62");
}

// An independent implementation: Hamlib's locator functions (their corner is the square's centre
// less half a square).
class AgainstHamlib : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { rig_set_debug(RIG_DEBUG_NONE); }
};

TEST_F(AgainstHamlib, LocatorsOfAGridOfPoints) {
  int compared = 0;
  for (double lat = -89.73; lat < 90; lat += 3.17)
    for (double lon = -179.61; lon < 180; lon += 4.33) {
      for (int pairs : {2, 3, 4}) {
        char theirs[16] = {};
        ASSERT_EQ(longlat2locator(lon, lat, theirs, pairs), RIG_OK);
        std::string want = theirs;
        for (char& ch : want) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_EQ(GridLocator(lat, lon, 2 * pairs), want) << lat << " " << lon;
        ++compared;
      }
    }
  EXPECT_GT(compared, 3000);
}

TEST_F(AgainstHamlib, CornersOfAllSquaresAndManySubsquares) {
  for (char f1 = 'A'; f1 <= 'R'; ++f1)
    for (char f2 = 'A'; f2 <= 'R'; ++f2)
      for (char s = '0'; s <= '9'; s += 3) {
        std::string loc{f1, f2, s, static_cast<char>('9' - (s - '0'))};
        for (std::string sub : {"", "AA", "XX", "LM", "BW"}) {
          std::string full = loc + sub;
          double lon = 0, lat = 0;
          ASSERT_EQ(locator2longlat(&lon, &lat, full.c_str()), RIG_OK) << full;
          const double halfLon = sub.empty() ? 1.0 : 2.5 / 60, halfLat = sub.empty() ? 0.5 : 1.25 / 60;
          LocatorCornerResult r = LocatorCorner(full);
          EXPECT_NEAR(r.lat, lat - halfLat, 1e-9) << full;
          EXPECT_NEAR(-r.lon, lon - halfLon, 1e-9) << full;
          // And the corner lies in its own square.
          EXPECT_EQ(GridLocator(r.lat + 1e-9, -r.lon + 1e-9, static_cast<int>(full.size())), full);
        }
      }
}

}  // namespace
}  // namespace kestrel
