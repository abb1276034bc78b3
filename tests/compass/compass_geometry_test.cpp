#include <gtest/gtest.h>

#include <cmath>

#include "compass/compass_geometry.h"

namespace kestrel {
namespace {

TEST(CompassPointTable, StructureAndPlacedRecords) {
  const auto& t = CompassPointTable();
  for (int k = 0; k < 90; ++k) {
    EXPECT_EQ(t[k].heading, 2 * k);
    EXPECT_EQ(t[90 + k].heading, t[k].heading);
    EXPECT_EQ(t[90 + k].x1, t[k].x1);
    EXPECT_EQ(t[90 + k].y2, t[k].y2);
  }
  EXPECT_EQ(t[180].heading, 178);
  EXPECT_EQ(t[180].x1, t[89].x1);
  struct Rec { int heading, x1, y1, x2, y2; } placed[] = {
      {0, 128, 33, 128, 217},  {2, 131, 33, 126, 217},  {44, 193, 62, 67, 192}, {46, 195, 65, 65, 190},
      {54, 204, 74, 58, 181},  {56, 203, 77, 56, 178},  {90, 218, 127, 42, 128}, {98, 218, 140, 42, 116},
      {100, 213, 143, 43, 112}, {134, 191, 189, 63, 65}, {178, 132, 217, 125, 32}};
  for (const auto& p : placed) {
    const CompassRecord& r = t[p.heading / 2];
    EXPECT_EQ((std::array<int, 4>{r.x1, r.y1, r.x2, r.y2}), (std::array<int, 4>{p.x1, p.y1, p.x2, p.y2})) << p.heading;
  }
}

TEST(CompassPointTable, EveryPointLiesOnTheDialInItsDirection) {
  for (const CompassRecord& r : CompassPointTable()) {
    for (int end = 0; end < 2; ++end) {
      double x = end ? r.x2 : r.x1, y = end ? r.y2 : r.y1;
      double want = r.heading + (end ? 180 : 0);
      double dist = std::hypot(x - kCompassCentreX, y - kCompassCentreY);
      EXPECT_GE(dist, 85.7) << r.heading;
      EXPECT_LE(dist, 94.7) << r.heading;
      double dir = std::atan2(x - kCompassCentreX, -(y - kCompassCentreY)) * 180 / M_PI;
      double diff = std::remainder(dir - want, 360.0);
      EXPECT_LE(std::fabs(diff), 2.8) << r.heading << (end ? " opposite" : "");
    }
  }
}

TEST(CompassArrowEnds, HeadingsToMarkerPositions) {
  struct Case { double heading; Point tail, tip; } cases[] = {
      {0.0, {128, 217}, {128, 33}},   {0.99, {128, 217}, {128, 33}}, {1.0, {126, 217}, {131, 33}},
      {90.4, {42, 128}, {218, 127}},  {178.2, {125, 32}, {132, 217}}, {179.5, {128, 33}, {128, 217}},
      {270.0, {218, 127}, {42, 128}}, {359.5, {132, 217}, {125, 32}},
  };
  for (const auto& c : cases) {
    CompassEnds e = CompassArrowEnds(c.heading);
    EXPECT_EQ(e.tail, c.tail) << c.heading;
    EXPECT_EQ(e.tip, c.tip) << c.heading;
  }
  EXPECT_EQ(CompassRestEnds().tail, (Point{128, 217}));
  EXPECT_EQ(CompassRestEnds().tip, (Point{128, 33}));
  // Out of range (no caller passes one): folded into the circle, never outside the table.
  EXPECT_EQ(CompassArrowEnds(360.0).tip, CompassArrowEnds(0.0).tip);
  EXPECT_EQ(CompassArrowEnds(-90.4).tip, CompassArrowEnds(269.6).tip);
  EXPECT_EQ(CompassArrowEnds(std::nan("")).tip, (Point{128, 33}));
}

}  // namespace
}  // namespace kestrel
