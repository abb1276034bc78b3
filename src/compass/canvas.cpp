#include "compass/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kestrel {

Canvas::Canvas(Bitmap& target, int originX, int originY, int clipWidth, int clipHeight)
    : bmp_(target), ox_(originX), oy_(originY), cw_(clipWidth), ch_(clipHeight) {}

bool Canvas::Inside(int x, int y) const {
  return x >= 0 && y >= 0 && x < cw_ && y < ch_ && bmp_.contains(x + ox_, y + oy_);
}

Rgb Canvas::Pixel(int x, int y) const { return bmp_.at(x + ox_, y + oy_); }

void Canvas::SetPixel(int x, int y, Rgb c) {
  if (Inside(x, y)) bmp_.set(x + ox_, y + oy_, c);
}

void Canvas::Plot(int x, int y) {
  // A pen of width w covers a w x w square whose top-left lies (w - 1) / 2 up and left.
  const int w = std::max(1, pen.width);
  const int from = -(w - 1) / 2;
  for (int dy = from; dy < from + w; ++dy)
    for (int dx = from; dx < from + w; ++dx)
      if (Inside(x + dx, y + dy)) bmp_.set(x + dx + ox_, y + dy + oy_, pen.color);
}

void Canvas::MoveTo(int x, int y) { pos_ = {x, y}; }

void Canvas::LineTo(int x, int y) {
  // Bresenham from the current position; the last point is left for the next line.
  int x0 = pos_.x, y0 = pos_.y;
  const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
  const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  while (!(x0 == x && y0 == y)) {
    Plot(x0, y0);
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
  pos_ = {x, y};
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
  const double left = std::min(x1, x2), right = std::max(x1, x2);
  const double top = std::min(y1, y2), bottom = std::max(y1, y2);
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double rx = (right - left) / 2, ry = (bottom - top) / 2;
  // Angles as seen on the screen, counter-clockwise: y grows downward, so it is negated.
  const double a0 = std::atan2(-(ys - cy), xs - cx);
  double a1 = std::atan2(-(ye - cy), xe - cx);
  while (a1 <= a0) a1 += 2 * M_PI;  // equal radials draw the whole ellipse
  const double span = a1 - a0;
  const int steps = std::max(8, static_cast<int>(std::ceil(span * std::max(rx, ry) * 2)));
  auto at = [&](int i) {
    const double a = a0 + span * i / steps;
    return Point{static_cast<int>(std::lround(cx + rx * std::cos(a))),
                 static_cast<int>(std::lround(cy - ry * std::sin(a)))};
  };
  const Point saved = pos_;  // an arc leaves the current position where it was
  Point p = at(0);
  MoveTo(p.x, p.y);
  for (int i = 1; i <= steps; ++i) {
    Point q = at(i);
    if (q == p) continue;
    LineTo(q.x, q.y);
    p = q;
  }
  Plot(p.x, p.y);
  pos_ = saved;
}

void Canvas::FloodFill(int x, int y, Rgb border) {
  if (!Inside(x, y) || Pixel(x, y) == border) return;
  std::vector<char> seen(static_cast<size_t>(cw_) * ch_, 0);
  std::vector<Point> stack{{x, y}};
  while (!stack.empty()) {
    Point p = stack.back();
    stack.pop_back();
    if (!Inside(p.x, p.y)) continue;
    char& s = seen[static_cast<size_t>(p.y) * cw_ + p.x];
    if (s || Pixel(p.x, p.y) == border) continue;
    s = 1;
    bmp_.set(p.x + ox_, p.y + oy_, brush.color);
    stack.push_back({p.x + 1, p.y});
    stack.push_back({p.x - 1, p.y});
    stack.push_back({p.x, p.y + 1});
    stack.push_back({p.x, p.y - 1});
  }
}

}  // namespace kestrel
