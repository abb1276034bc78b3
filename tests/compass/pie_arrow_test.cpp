#include <gtest/gtest.h>

#include <cmath>

#include "compass/canvas.h"
#include "compass/pie_arrow.h"

namespace kestrel {
namespace {

// Builds an arrow the way a window builds it from its stored layout: the properties in their
// stored order right after creation.
struct StoredLayout {
  int left, top, width, height, arrowWidth;
  bool transparent;
  int startX, startY, targetX, targetY;
};

void Build(TPieArrow& a, const StoredLayout& s) {
  a.SetLeft(s.left);
  a.SetTop(s.top);
  a.SetWidth(s.width);
  a.SetHeight(s.height);
  a.SetArrowWidth(s.arrowWidth);
  a.SetTransparent(s.transparent);
  a.SetStartX(s.startX);
  a.SetStartY(s.startY);
  a.SetTargetX(s.targetX);
  a.SetTargetY(s.targetY);
}

const StoredLayout kWorldMapArrow{5, 5, 96, 20, 9, false, 15, 15, 91, 15};

TEST(PieArrow, CreationValues) {
  TPieArrow a;
  EXPECT_EQ(a.bounds(), (Bounds{0, 0, 0, 0}));  // creation does not fit the bounds
  EXPECT_EQ(a.StartX(), 10);
  EXPECT_EQ(a.StartY(), 10);
  EXPECT_EQ(a.TargetX(), 60);
  EXPECT_EQ(a.TargetY(), 60);
  EXPECT_EQ(a.ArrowWidth(), 10);
  EXPECT_EQ(a.GetPen().width, 2);
  EXPECT_FALSE(a.Transparent());
  EXPECT_EQ(a.ArrowType(), TPieArrowTyp::ptNormal);
  EXPECT_EQ(a.RecordedPosition(), (Point{0, 0}));
}

TEST(PieArrow, WorldMapArrowFromItsStoredLayout) {
  TPieArrow a;
  Build(a, kWorldMapArrow);
  EXPECT_EQ(a.bounds(), (Bounds{5, 5, 96, 20}));
  EXPECT_EQ(a.RecordedPosition(), (Point{2, 3}));
  TPieArrow::Outline o = a.NormalOutline();  // h = 4 (9 div 2)
  const Point expected[8] = {{10, 6}, {10, 14}, {78, 14}, {78, 18}, {86, 10}, {78, 2}, {78, 6}, {10, 6}};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(o.points[i], expected[i]) << i;
  EXPECT_EQ(o.fillFrom, (Point{48, 10}));
  // Outside moves as the world map makes them: Top, then Left.
  a.SetTop(35);
  a.SetLeft(26);
  EXPECT_EQ(a.Left(), 29);
  EXPECT_EQ(a.Top(), 39);
  EXPECT_EQ((Point{a.StartX(), a.StartY()}), (Point{39, 49}));
  EXPECT_EQ((Point{a.TargetX(), a.TargetY()}), (Point{115, 49}));
}

TEST(PieArrow, CompassArrowAtRest) {
  TPieArrow a;
  Build(a, {0, 0, 0, 0, 6, false, 124, 121, 174, 171});
  a.SetStartX(128);
  a.SetStartY(217);
  a.SetTargetX(128);
  a.SetTargetY(33);
  EXPECT_EQ(a.bounds(), (Bounds{121, 26, 14, 198}));
  TPieArrow::Outline o = a.NormalOutline();
  // Head 18 pixels long (Nearest(18.4)), shaft 6 wide, head base 12 wide.
  const Point expected[8] = {{10, 191}, {4, 191}, {4, 25}, {1, 25}, {7, 7}, {13, 25}, {10, 25}, {10, 191}};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(o.points[i], expected[i]) << i;
}

TEST(PieArrow, OutlineForEveryQuadrant) {
  // Diagonal arrows: the head points at the tip and the outline is symmetric about the shaft.
  struct Case { int sx, sy, tx, ty; } cases[] = {{0, 0, 100, 100}, {100, 100, 0, 0}, {0, 100, 100, 0}, {100, 0, 0, 100}};
  for (const auto& c : cases) {
    TPieArrow a;
    Build(a, {0, 0, 0, 0, 8, false, c.sx, c.sy, c.tx, c.ty});
    TPieArrow::Outline o = a.NormalOutline();
    Point T{c.tx - a.Left(), c.ty - a.Top()};
    EXPECT_EQ(o.points[4], T);
    // The two head corners lie at equal distance from the tip.
    auto dist = [&](Point p) { return std::hypot(p.x - T.x, p.y - T.y); };
    EXPECT_NEAR(dist(o.points[3]), dist(o.points[5]), 1.5) << c.sx << "," << c.sy;
    // The base of the head lies a tenth of the length before the tip.
    Point mid{(o.points[3].x + o.points[5].x) / 2, (o.points[3].y + o.points[5].y) / 2};
    EXPECT_NEAR(std::hypot(mid.x - T.x, mid.y - T.y), std::hypot(100, 100) / 10, 1.5);
  }
}

TEST(PieArrow, SameValueDoesNothingAndOtherValuesNeverMoveTheRecordedPosition) {
  TPieArrow a;
  Build(a, kWorldMapArrow);
  int repaints = 0;
  a.onInvalidate = [&] { ++repaints; };
  const Bounds before = a.bounds();
  for (auto set : {+[](TPieArrow& x) { x.SetStartX(x.StartX()); }, +[](TPieArrow& x) { x.SetTargetY(x.TargetY()); },
                   +[](TPieArrow& x) { x.SetArrowWidth(x.ArrowWidth()); }, +[](TPieArrow& x) { x.SetTransparent(x.Transparent()); },
                   +[](TPieArrow& x) { x.SetArrowType(x.ArrowType()); }, +[](TPieArrow& x) { x.SetLeft(x.Left()); }})
    set(a);
  EXPECT_EQ(repaints, 0);
  EXPECT_EQ(a.bounds(), before);
  a.SetStartX(25);
  EXPECT_GT(repaints, 0);
  EXPECT_EQ(a.bounds(), (Bounds{15, 5, 86, 20}));
  EXPECT_EQ(a.RecordedPosition(), (Point{2, 3}));
  // Pen and brush changes repaint through their notification.
  repaints = 0;
  a.GetPen().setColor(0x000080);
  a.GetBrush().setColor(0xFFFF00);
  EXPECT_EQ(repaints, 2);
}

TEST(PieArrow, HalfRingGeometry) {
  // Tail (0, 0) to tip (100, 100), h = 5.
  ArcFigure f = MakeArcFigure({0, 0}, {100, 100}, 5, true);
  EXPECT_EQ(f.centre, (Point{50, 50}));
  EXPECT_EQ(std::abs(f.innerRadius), 66);
  EXPECT_EQ(std::abs(f.outerRadius), 76);
  // Screen angles about the centre, clockwise from +x.
  auto angle = [&](Point p) {
    double a = std::atan2(p.y - f.centre.y, p.x - f.centre.x) * 180 / M_PI;
    return a < 0 ? a + 360 : a;
  };
  EXPECT_NEAR(angle(f.tailInner), 225, 1);
  EXPECT_NEAR(angle(f.g[2]), 65, 1);   // the head's base
  EXPECT_NEAR(angle(f.tip), 45, 1e-9);
  ArcFigure anti = MakeArcFigure({0, 0}, {100, 100}, 5, false);
  EXPECT_NEAR(angle(anti.g[2]), 25, 1);
  // Tail (100, 100) to tip (0, 0): still counter-clockwise; the arcs swap radii.
  ArcFigure back = MakeArcFigure({100, 100}, {0, 0}, 5, true);
  EXPECT_EQ(std::abs(back.innerRadius), 76);
  EXPECT_EQ(std::abs(back.outerRadius), 66);
  auto angleB = [&](Point p) {
    double a = std::atan2(p.y - back.centre.y, p.x - back.centre.x) * 180 / M_PI;
    return a < 0 ? a + 360 : a;
  };
  EXPECT_NEAR(angleB(back.g[2]), 245, 1);
  EXPECT_NEAR(angleB(back.tip), 225, 1e-9);
  // The outer corner of the head can lie outside the control, which clips it.
  TPieArrow a;
  a.SetArrowType(TPieArrowTyp::ptArc);
  Build(a, {0, 0, 0, 0, 10, false, 0, 50, 100, 50});
  EXPECT_EQ(a.Left(), -5);
  EXPECT_EQ(a.Left() + a.Width() - 1, 104);
  ArcFigure clipped = MakeArcFigure({0 - a.Left(), 50 - a.Top()}, {100 - a.Left(), 50 - a.Top()}, 5, true);
  EXPECT_EQ((Point{clipped.g[4].x + a.Left(), clipped.g[4].y + a.Top()}), (Point{106, 71}));
}

// Paints an arrow into a picture of one colour and reports which pixels it changed.
Bitmap PaintOn(TPieArrow& a, int w, int h, Rgb ground) {
  Bitmap bmp(w, h, ground);
  Canvas c(bmp, a.Left(), a.Top(), a.Width(), a.Height());
  a.Paint(c);
  return bmp;
}

TEST(PieArrow, HalfRingRunsTheWayItsTypeSays) {
  for (TPieArrowTyp type : {TPieArrowTyp::ptArc, TPieArrowTyp::ptAntiArc}) {
    TPieArrow a;
    a.SetArrowType(type);
    Build(a, {0, 0, 0, 0, 10, false, 100, 100, 200, 200});
    a.GetPen().setColor(0x000080);
    a.GetBrush().setColor(0xFF8848);
    Bitmap bmp = PaintOn(a, 300, 300, 0xFFFF00);
    // The ring's middle radius about (150, 150): 71. Screen angles clockwise from +x.
    auto ringAt = [&](double deg) {
      int x = 150 + (int)std::lround(71 * std::cos(deg * M_PI / 180));
      int y = 150 + (int)std::lround(71 * std::sin(deg * M_PI / 180));
      return bmp.at(x, y) != 0xFFFF00;
    };
    bool ccw = type == TPieArrowTyp::ptArc;
    EXPECT_EQ(ringAt(180), ccw);
    EXPECT_EQ(ringAt(90), ccw);
    EXPECT_EQ(ringAt(270), !ccw);
    EXPECT_EQ(ringAt(0), !ccw);
    // Filled inside the ring, bounded by the outline: the picture outside stays.
    EXPECT_EQ(bmp.at(150, 150), 0xFFFF00u) << "the centre of the ring is not filled";
  }
}

TEST(PieArrow, FillStaysInsideTheOutline) {
  TPieArrow a;
  Build(a, {0, 0, 0, 0, 6, false, 124, 121, 174, 171});
  a.SetStartX(128);
  a.SetStartY(217);
  a.SetTargetX(128);
  a.SetTargetY(33);
  a.GetPen().setColor(0x000080);
  a.GetBrush().setColor(0xFF8848);
  Bitmap bmp = PaintOn(a, 255, 255, 0xFFFF00);
  int filled = 0;
  for (int y = 0; y < 255; ++y)
    for (int x = 0; x < 255; ++x) {
      if (bmp.at(x, y) != 0xFF8848) continue;
      ++filled;
      // Inside the shaft (x 125..131 from y 51 to 217) or the head's triangle.
      bool shaft = x >= 125 && x <= 131 && y >= 51 && y <= 217;
      bool head = y >= 33 && y <= 51 && std::abs(x - 128) <= (y - 33) / 3 + 1;
      EXPECT_TRUE(shaft || head) << "fill leaked to " << x << "," << y;
    }
  EXPECT_GT(filled, 700);  // the body really is filled
  // Transparent: only the outline; the picture shows inside.
  a.SetTransparent(true);
  Bitmap outline = PaintOn(a, 255, 255, 0xFFFF00);
  EXPECT_EQ(outline.at(128, 150), 0xFFFF00u);
  EXPECT_EQ(outline.at(125, 150), 0x000080u);
}

TEST(Canvas, LinesLeaveOutTheirEndPixel) {
  Bitmap bmp(10, 10, 0xFFFFFF);
  Canvas c(bmp, 0, 0, 10, 10);
  c.pen.width = 1;
  c.MoveTo(1, 1);
  c.LineTo(5, 1);
  for (int x = 1; x < 5; ++x) EXPECT_EQ(bmp.at(x, 1), 0u) << x;
  EXPECT_EQ(bmp.at(5, 1), 0xFFFFFFu);
  c.LineTo(5, 4);  // goes on from the current position
  EXPECT_EQ(bmp.at(5, 1), 0u);
  EXPECT_EQ(bmp.at(5, 3), 0u);
  EXPECT_EQ(bmp.at(5, 4), 0xFFFFFFu);
}

TEST(Canvas, DrawsThroughItsWindowAndClipsToIt) {
  Bitmap bmp(20, 20, 0xFFFFFF);
  Canvas c(bmp, 5, 5, 4, 4);  // local (0, 0) is (5, 5); 4 x 4 visible
  c.pen.width = 1;
  c.MoveTo(-3, 1);
  c.LineTo(10, 1);
  EXPECT_EQ(bmp.at(4, 6), 0xFFFFFFu);  // left of the window
  EXPECT_EQ(bmp.at(5, 6), 0u);
  EXPECT_EQ(bmp.at(8, 6), 0u);
  EXPECT_EQ(bmp.at(9, 6), 0xFFFFFFu);  // right of it
}

TEST(Canvas, FloodFillStopsOnlyAtTheBorderColour) {
  Bitmap bmp(9, 9, 0xFFFFFF);
  Canvas c(bmp, 0, 0, 9, 9);
  c.pen.width = 1;
  c.pen.color = 0x000080;
  c.MoveTo(1, 1);
  c.LineTo(7, 1);
  c.LineTo(7, 7);
  c.LineTo(1, 7);
  c.LineTo(1, 1);
  bmp.set(4, 4, 0xFF0000);  // another colour inside does not stop the fill
  c.brush.color = 0x00FF00;
  c.FloodFill(4, 3, 0x000080);
  EXPECT_EQ(bmp.at(4, 4), 0x00FF00u);
  EXPECT_EQ(bmp.at(2, 2), 0x00FF00u);
  EXPECT_EQ(bmp.at(0, 0), 0xFFFFFFu);
  EXPECT_EQ(bmp.at(8, 8), 0xFFFFFFu);
  EXPECT_EQ(bmp.at(1, 1), 0x000080u);
}

TEST(Canvas, ArcRunsCounterClockwiseFromStartToEndRadial) {
  Bitmap bmp(41, 41, 0xFFFFFF);
  Canvas c(bmp, 0, 0, 41, 41);
  c.pen.width = 1;
  // Circle about (20, 20), radius 15; from the radial to the right (0 deg) counter-clockwise
  // to the radial upward (90 deg on the screen): the upper right quarter.
  c.Arc(5, 5, 35, 35, 40, 20, 20, 0);
  EXPECT_EQ(bmp.at(35, 20), 0u);
  EXPECT_EQ(bmp.at(20, 5), 0u);
  EXPECT_EQ(bmp.at(31, 9), 0u);        // 45 deg up-right
  EXPECT_EQ(bmp.at(9, 31), 0xFFFFFFu);  // 225 deg: not on the arc
  EXPECT_EQ(bmp.at(5, 20), 0xFFFFFFu);
  // The other way round draws the other three quarters.
  Bitmap rest(41, 41, 0xFFFFFF);
  Canvas c2(rest, 0, 0, 41, 41);
  c2.pen.width = 1;
  c2.Arc(5, 5, 35, 35, 20, 0, 40, 20);
  EXPECT_EQ(rest.at(5, 20), 0u);
  EXPECT_EQ(rest.at(20, 35), 0u);
  EXPECT_EQ(rest.at(31, 9), 0xFFFFFFu);
}

}  // namespace
}  // namespace kestrel
