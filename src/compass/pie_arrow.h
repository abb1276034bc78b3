// TPieArrow: a windowless control that draws one arrow from a tail point (StartX, StartY) to a
// tip point (TargetX, TargetY), both in its parent's client coordinates. It places and sizes
// itself around its points, shifts the points along when it is moved from outside, and draws a
// straight arrow or one bent into a half ring. Its parent paints it (see Paint).
#pragma once
#include <cstdint>
#include <functional>

#include "compass/canvas.h"

namespace kestrel {

enum class TPieArrowTyp : uint8_t { ptNormal = 0, ptArc = 1, ptAntiArc = 2 };

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Bounds&) const = default;
};

class TPieArrow {
 public:
  TPieArrow();
  TPieArrow(const TPieArrow&) = delete;
  TPieArrow& operator=(const TPieArrow&) = delete;

  // ---- Position and size, in the parent's client coordinates ----
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  Bounds bounds() const { return bounds_; }
  // Each is one bounds change; a change from outside shifts the points along (see the .cpp).
  void SetLeft(int v) { SetBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
  void SetTop(int v) { SetBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
  void SetWidth(int v) { SetBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
  void SetHeight(int v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, v}); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  // ---- Properties; assigning the value a property already has does nothing at all ----
  TPieArrowTyp ArrowType() const { return type_; }
  void SetArrowType(TPieArrowTyp t);
  int ArrowWidth() const { return arrowWidth_; }
  void SetArrowWidth(int w);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool t);
  int StartX() const { return startX_; }
  int StartY() const { return startY_; }
  int TargetX() const { return targetX_; }
  int TargetY() const { return targetY_; }
  void SetStartX(int v) { SetPoint(startX_, v); }
  void SetStartY(int v) { SetPoint(startY_, v); }
  void SetTargetX(int v) { SetPoint(targetX_, v); }
  void SetTargetY(int v) { SetPoint(targetY_, v); }
  // Assigning copies the attributes; the control keeps its own pen and brush.
  Pen& GetPen() { return pen_; }
  Brush& GetBrush() { return brush_; }
  void SetPen(const Pen& p) { pen_.assign(p); }
  void SetBrush(const Brush& b) { brush_.assign(b); }

  // The position last recorded by an outside move (for tests and the world map's placement).
  Point RecordedPosition() const { return {recordedX_, recordedY_}; }

  // Repaints the control (the change notification of its pen and brush).
  void StyleChanged();

  // Draws the arrow into the parent's picture; the canvas is the control's rectangle.
  void Paint(Canvas& canvas);

  // ---- The outline of a straight arrow, in local coordinates (for tests) ----
  struct Outline {
    Point points[8];  // closed: the last equals the first
    Point fillFrom;
  };
  Outline NormalOutline() const;

  // The owner is told of every repaint request and bounds change.
  std::function<void()> onInvalidate;

 private:
  void SetBounds(const Bounds& b);
  void BoundsChanged();
  void SetPoint(int& field, int v);
  void AdjustBounds();
  void Invalidate();

  Bounds bounds_{};
  bool visible_ = true;
  int recordedX_ = 0, recordedY_ = 0;
  bool adjusting_ = false;
  int startX_ = 10, startY_ = 10, targetX_ = 60, targetY_ = 60;
  int arrowWidth_ = 10;
  bool transparent_ = false;
  TPieArrowTyp type_ = TPieArrowTyp::ptNormal;
  Pen pen_;
  Brush brush_;
};

// Nearest whole number, a half going to the even neighbour.
int Nearest(long double x);

// The figure of a half-ring arrow from local tail S to tip T with half width h.
struct ArcFigure {
  Point centre;                 // M, the middle of tail and tip
  int innerRadius, outerRadius; // the two arcs' bounding half sides (signed as computed)
  Point tailInner, tailOuter;   // (S + p, S + q) and (S - p, S - q): the tail bar's ends
  Point g[5];                   // G(-2h), G(-h), G(0), G(h), G(2h): the head's base
  Point tip;
};
ArcFigure MakeArcFigure(Point S, Point T, int h, bool counterClockwise);

}  // namespace kestrel
