#include "compass/pie_arrow.h"

#include <cmath>
#include <cstdlib>

namespace kestrel {

int Nearest(long double x) { return static_cast<int>(std::nearbyintl(x)); }

TPieArrow::TPieArrow() {
  // Creation: the recorded position is the control's own (0, 0); no AdjustBounds yet.
  recordedX_ = bounds_.left;
  recordedY_ = bounds_.top;
  pen_.width = 2;
  pen_.onChange = [this] { StyleChanged(); };
  brush_.onChange = [this] { StyleChanged(); };
}

void TPieArrow::StyleChanged() { Invalidate(); }

void TPieArrow::Invalidate() {
  if (onInvalidate) onInvalidate();
}

void TPieArrow::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Invalidate();
}

void TPieArrow::SetArrowType(TPieArrowTyp t) {
  if (t == type_) return;
  type_ = t;
  AdjustBounds();
  Invalidate();
}

void TPieArrow::SetArrowWidth(int w) {
  if (w == arrowWidth_) return;
  arrowWidth_ = w;
  AdjustBounds();
  Invalidate();
}

void TPieArrow::SetTransparent(bool t) {
  if (t == transparent_) return;
  transparent_ = t;
  Invalidate();
}

void TPieArrow::SetPoint(int& field, int v) {
  if (field == v) return;
  field = v;
  AdjustBounds();
  Invalidate();
}

void TPieArrow::SetBounds(const Bounds& b) {
  if (b == bounds_) return;  // no change
  bounds_ = b;
  BoundsChanged();
  Invalidate();
}

// After every bounds change, with the new bounds in force. A change from outside (not from
// AdjustBounds) moves the points by the distance from the recorded position, records the new
// position and fits the bounds to the points again. AdjustBounds never records a position, so
// after it has moved the control, the next outside move shifts the points by that much more.
void TPieArrow::BoundsChanged() {
  if (adjusting_) return;
  const int dx = bounds_.left - recordedX_;
  const int dy = bounds_.top - recordedY_;
  startX_ += dx;
  targetX_ += dx;
  startY_ += dy;
  targetY_ += dy;
  recordedX_ = bounds_.left;
  recordedY_ = bounds_.top;
  AdjustBounds();
}

void TPieArrow::AdjustBounds() {
  adjusting_ = true;
  SetLeft(std::min(startX_, targetX_));
  SetTop(std::min(startY_, targetY_));
  if (type_ == TPieArrowTyp::ptNormal) {
    SetLeft(Left() - arrowWidth_ - 1);
    SetTop(Top() - arrowWidth_ - 1);
    SetWidth(std::abs(startX_ - targetX_) + 2 * arrowWidth_ + 2);
    SetHeight(std::abs(startY_ - targetY_) + 2 * arrowWidth_ + 2);
  } else if (type_ == TPieArrowTyp::ptArc || type_ == TPieArrowTyp::ptAntiArc) {
    const int32_t ddy = startY_ - targetY_, ddx = startX_ - targetX_;
    const int l = Nearest(std::sqrt(static_cast<long double>(ddy * ddy + ddx * ddx)));
    const int a = (l + arrowWidth_) / 2;
    SetLeft(Left() + std::abs(targetX_ - startX_) / 2 - a);
    SetTop(Top() + std::abs(targetY_ - startY_) / 2 - a);
    SetWidth(2 * a);
    SetHeight(2 * a);
  }
  adjusting_ = false;
}

namespace {

struct Direction {
  long double alpha = 0, beta = 0, length = 1;
};

// The direction of the arrow from its local tail and tip: alpha = arctan(dx/dy),
// beta = arctan(dy/dx), and the signed length (the tail-tip distance with the sign of dy).
Direction DirectionOf(int dx, int dy) {
  Direction d;
  if (dy == 0 || dx == 0) {
    if (dx == 0) {
      d.alpha = 0;
      d.beta = M_PIl / 2;
      d.length = dy;
    }
    if (dy == 0) {
      d.alpha = M_PIl / 2;
      d.beta = 0;
      d.length = dx;
    }
  } else {
    d.alpha = std::atan(static_cast<long double>(dx) / dy);
    d.beta = std::atan(static_cast<long double>(dy) / dx);
    d.length = dx / std::sin(d.alpha);
  }
  return d;
}

}  // namespace

TPieArrow::Outline TPieArrow::NormalOutline() const {
  const Point S{startX_ - Left(), startY_ - Top()};
  const Point T{targetX_ - Left(), targetY_ - Top()};
  const Direction d = DirectionOf(T.x - S.x, T.y - S.y);
  const int h = arrowWidth_ / 2;
  const int p = Nearest(std::sin(d.beta) * h);
  int q = Nearest(std::sin(d.alpha) * h);
  const int c = Nearest(std::sin(d.alpha) * (d.length / 10));
  int e = Nearest(std::sin(d.beta) * (d.length / 10));
  if (d.alpha < 0) {  // the same figure with q and e taken with the other sign
    q = -q;
    e = -e;
  }
  Outline o;
  o.points[0] = {S.x + p, S.y - q};
  o.points[1] = {S.x - p, S.y + q};
  o.points[2] = {T.x - c - p, T.y - e + q};
  o.points[3] = {T.x - c - 2 * p, T.y - e + 2 * q};
  o.points[4] = T;
  o.points[5] = {T.x - c + 2 * p, T.y - e - 2 * q};
  o.points[6] = {T.x - c + p, T.y - e - q};
  o.points[7] = o.points[0];
  o.fillFrom = {Width() / 2, Height() / 2};
  return o;
}

void TPieArrow::Paint(Canvas& canvas) {
  canvas.pen.assign(pen_);
  canvas.brush.assign(brush_);
  if (type_ == TPieArrowTyp::ptNormal) {
    const Outline o = NormalOutline();
    canvas.MoveTo(o.points[0].x, o.points[0].y);
    for (int i = 1; i < 8; ++i) canvas.LineTo(o.points[i].x, o.points[i].y);
    if (!transparent_) canvas.FloodFill(o.fillFrom.x, o.fillFrom.y, pen_.color);
    return;
  }
  if (type_ != TPieArrowTyp::ptArc && type_ != TPieArrowTyp::ptAntiArc) return;

  const bool arc = type_ == TPieArrowTyp::ptArc;
  const ArcFigure f = MakeArcFigure({startX_ - Left(), startY_ - Top()},
                                    {targetX_ - Left(), targetY_ - Top()}, arrowWidth_ / 2, arc);
  const Point M = f.centre, gm = f.g[1], gp = f.g[3];
  const int inner = f.innerRadius, outer = f.outerRadius;
  if (arc) {
    canvas.Arc(M.x - inner, M.y - inner, M.x + inner, M.y + inner, f.tailInner.x, f.tailInner.y, gm.x, gm.y);
    canvas.Arc(M.x - outer, M.y - outer, M.x + outer, M.y + outer, f.tailOuter.x, f.tailOuter.y, gp.x, gp.y);
  } else {
    canvas.Arc(M.x - inner, M.y - inner, M.x + inner, M.y + inner, gm.x, gm.y, f.tailInner.x, f.tailInner.y);
    canvas.Arc(M.x - outer, M.y - outer, M.x + outer, M.y + outer, gp.x, gp.y, f.tailOuter.x, f.tailOuter.y);
  }
  canvas.MoveTo(f.tailOuter.x, f.tailOuter.y);  // the tail bar
  canvas.LineTo(f.tailInner.x, f.tailInner.y);
  canvas.MoveTo(gm.x, gm.y);  // the head
  canvas.LineTo(f.g[0].x, f.g[0].y);
  canvas.LineTo(f.tip.x, f.tip.y);
  canvas.LineTo(f.g[4].x, f.g[4].y);
  canvas.LineTo(gp.x, gp.y);
  if (!transparent_) canvas.FloodFill(f.g[2].x, f.g[2].y, pen_.color);
}

ArcFigure MakeArcFigure(Point S, Point T, int h, bool counterClockwise) {
  const int dx = T.x - S.x, dy = T.y - S.y;
  const Direction d = DirectionOf(dx, dy);
  const long double r = d.length / 2;
  const int mx = dx / 2, my = dy / 2;
  const long double twenty = 0.349065850398866L;  // 20 degrees: the head's length along the ring
  const long double phi = counterClockwise ? d.beta + twenty : d.beta - twenty;
  int p, q;
  long double u, s;
  if (d.beta >= 0) {
    p = Nearest(std::cos(d.beta) * h);
    q = Nearest(std::sin(d.beta) * h);
    u = std::cos(phi);
    s = std::sin(phi);
  } else {
    p = Nearest(-std::cos(d.beta) * h);
    q = Nearest(-std::sin(d.beta) * h);
    u = -std::cos(phi);
    s = -std::sin(phi);
  }
  ArcFigure f;
  f.centre = {S.x + mx, S.y + my};
  f.innerRadius = Nearest(r) - h;
  f.outerRadius = Nearest(r) + h;
  f.tailInner = {S.x + p, S.y + q};
  f.tailOuter = {S.x - p, S.y - q};
  const int ks[5] = {-2 * h, -h, 0, h, 2 * h};
  for (int i = 0; i < 5; ++i)
    f.g[i] = {S.x + Nearest((r + ks[i]) * u) + mx, S.y + Nearest((r + ks[i]) * s) + my};
  f.tip = T;
  return f;
}

}  // namespace kestrel
