// A small raster canvas in integer pixels, without anti-aliasing: the drawing primitives the
// arrow control needs (move-to/line-to, arcs, a flood fill bounded by a colour).
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace kestrel {

using Rgb = uint32_t;  // 0xRRGGBB
inline constexpr Rgb MakeRgb(int r, int g, int b) {
  return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}

struct Bitmap {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;  // row by row
  Bitmap() = default;
  Bitmap(int w, int h, Rgb fill = 0xFFFFFF) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  void set(int x, int y, Rgb c) { pixels[static_cast<size_t>(y) * width + x] = c; }
};

// A pen or a brush: its change notification runs whenever an attribute changes.
struct Pen {
  Rgb color = 0x000000;
  int width = 1;
  std::function<void()> onChange;
  void setColor(Rgb c) { if (c != color) { color = c; if (onChange) onChange(); } }
  void setWidth(int w) { if (w != width) { width = w; if (onChange) onChange(); } }
  // Copies the attributes, not the notification.
  void assign(const Pen& o) { if (o.color != color || o.width != width) { color = o.color; width = o.width; if (onChange) onChange(); } }
};

struct Brush {
  Rgb color = 0xFFFFFF;
  std::function<void()> onChange;
  void setColor(Rgb c) { if (c != color) { color = c; if (onChange) onChange(); } }
  void assign(const Brush& o) { setColor(o.color); }
};

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// Draws into a bitmap through a window: local coordinates (0, 0) are the bitmap's (originX,
// originY), and nothing is drawn outside the clip rectangle (the control's bounds).
class Canvas {
 public:
  Canvas(Bitmap& target, int originX, int originY, int clipWidth, int clipHeight);
  Pen pen;
  Brush brush;
  void MoveTo(int x, int y);
  // A line from the current position to (x, y); the end pixel itself is not drawn.
  void LineTo(int x, int y);
  // The part of the ellipse bounded by the rectangle (x1, y1)-(x2, y2) (corners in any order)
  // from the radial through (xs, ys) counter-clockwise (as seen on the screen) to the radial
  // through (xe, ye).
  void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye);
  // Fills with the brush from (x, y) outwards until pixels of `border` colour (4-connected).
  void FloodFill(int x, int y, Rgb border);
  Rgb Pixel(int x, int y) const;
  void SetPixel(int x, int y, Rgb c);
  bool Inside(int x, int y) const;

 private:
  void Plot(int x, int y);  // one point of the pen, as wide as the pen
  Bitmap& bmp_;
  int ox_, oy_, cw_, ch_;
  Point pos_;
};

}  // namespace kestrel
