#include <QImage>

#include "app/heading_text.h"
#include "compass/compass_geometry.h"
#include "support/program_fixture.h"

namespace kestrel::testing {
namespace {

using Compass = ProgramFixture;

const QRgb kOrange = qRgb(255, 136, 72);
const QRgb kNavy = qRgb(0, 0, 128);

// The orange pixels of the compass panel as drawn now.
std::vector<QPoint> ArrowBody(TKestrel1& w) {
  QImage shot = w.Panel2->render();
  std::vector<QPoint> body;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (shot.pixel(x, y) == kOrange) body.push_back({x, y});
  return body;
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  QPointF ab = b - a, ap = p - a;
  double t = std::clamp(QPointF::dotProduct(ap, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
  QPointF q = a + t * ab;
  return std::hypot(p.x() - q.x(), p.y() - q.y());
}

TEST_F(Compass, ArrowRunsFromMarkerToMarkerForEveryHeading) {
  TKestrel1& w = Start();
  struct Case { double lat, lon; } targets[] = {
      {50.0, 94.78}, {29.30, 60.0}, {10.0, 94.78}, {29.30, 130.0}, {45.0, 70.0}, {15.0, 120.0}};
  for (const auto& t : targets) {
    w.BreakOutCity("00~", "", 29.30L, 94.78L, t.lat, t.lon);
    CompassEnds ends = CompassArrowEnds(EvenArrowHeading(w.Bearing.Azimuth) == 360 ? 359.5 : w.Bearing.Azimuth);
    const TPieArrow& a = w.PieArrow1->arrow();
    EXPECT_EQ((Point{a.StartX(), a.StartY()}), ends.tail);
    EXPECT_EQ((Point{a.TargetX(), a.TargetY()}), ends.tip);
    EXPECT_EQ(w.Panel3->pos(), QPoint(ends.tail.x, ends.tail.y));
    EXPECT_EQ(w.Panel5->pos(), QPoint(ends.tip.x, ends.tip.y));
    // The drawn body: filled, never farther from the tail-tip line than the head's half width,
    // and reaching close to the tip.
    std::vector<QPoint> body = ArrowBody(w);
    ASSERT_GT(body.size(), 600u) << "heading " << (double)w.Bearing.Azimuth;
    QPointF tail(ends.tail.x, ends.tail.y), tip(ends.tip.x, ends.tip.y);
    double nearestToTip = 1e9;
    for (QPoint p : body) {
      EXPECT_LE(DistanceToSegment(p, tail, tip), 7.5) << "fill leaked to " << p.x() << "," << p.y();
      nearestToTip = std::min(nearestToTip, std::hypot(p.x() - tip.x(), p.y() - tip.y()));
    }
    EXPECT_LT(nearestToTip, 9);  // the fill ends where the navy outline closes in on the tip
    QImage shot = w.Panel2->render();
    bool outlineAtTip = false;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) outlineAtTip |= shot.pixel(ends.tip.x + dx, ends.tip.y + dy) == kNavy;
    EXPECT_TRUE(outlineAtTip) << "the outline reaches the tip";
  }
}

TEST_F(Compass, ResetPointsNorthAndThePictureShowsTheDial) {
  TKestrel1& w = Start();
  w.BreakOutCity("00~", "", 29.30L, 94.78L, 10.0L, 60.0L);
  w.SpeedButton60Click();  // Clear
  const TPieArrow& a = w.PieArrow1->arrow();
  EXPECT_EQ(a.bounds(), (Bounds{121, 26, 14, 198}));
  QImage shot = w.Panel2->render();
  EXPECT_EQ(shot.pixel(128, 100), kOrange);  // the shaft
  EXPECT_EQ(shot.pixel(125, 150), kNavy);    // its outline
  EXPECT_EQ(shot.pixel(90, 150), qRgb(255, 255, 0));  // the yellow dial
  EXPECT_EQ(shot.pixel(3, 3), qRgb(192, 176, 127));   // the tan ground in the corner
  EXPECT_EQ(shot.pixel(60, 127), qRgb(255, 0, 0));    // the red line across the middle
  // A zero coordinate also puts the arrow at rest.
  w.BreakOutCity("00~", "", 29.30L, 94.78L, 10.0L, 60.0L);
  w.BreakOutCity("00~", "", 29.30L, 94.78L, 0.0L, 60.0L);
  EXPECT_EQ(a.bounds(), (Bounds{121, 26, 14, 198}));
}

}  // namespace
}  // namespace kestrel::testing
