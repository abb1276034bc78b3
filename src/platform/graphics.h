// Windowless graphic controls (pictures, arrows, shapes) drawn by their parent panel: the
// panel paints each visible one, in the order added, into one picture, so that an arrow's
// flood fill sees the pixels beneath it.
#pragma once
#include <QImage>
#include <functional>
#include <vector>

#include "compass/canvas.h"
#include "compass/pie_arrow.h"
#include "platform/controls.h"

class QMouseEvent;

namespace kestrel {

class TGraphicHost;

class TGraphicControl {
 public:
  virtual ~TGraphicControl() = default;
  virtual Bounds bounds() const = 0;
  virtual bool visible() const = 0;
  virtual void paint(Canvas& canvas) = 0;
  // Mouse events anywhere in the control's rectangle, in the host's coordinates.
  std::function<void(QMouseEvent*)> onMouseDown, onMouseUp;
  TGraphicHost* host = nullptr;
 protected:
  void invalidate();
};

// A picture at a place in its panel.
class TImage : public TGraphicControl {
 public:
  TImage(int left, int top, int width, int height) : bounds_{left, top, width, height} {}
  void setPicture(const QImage& picture);
  Bounds bounds() const override { return bounds_; }
  void setBounds(const Bounds& b) { bounds_ = b; invalidate(); }
  bool visible() const override { return visible_; }
  void setVisible(bool v) { visible_ = v; invalidate(); }
  void paint(Canvas& canvas) override;
  const Bitmap& picture() const { return picture_; }
 private:
  Bounds bounds_;
  bool visible_ = true;
  Bitmap picture_;
};

// The arrow control on a panel.
class TPieArrowControl : public TGraphicControl {
 public:
  TPieArrowControl();
  TPieArrow& arrow() { return arrow_; }
  const TPieArrow& arrow() const { return arrow_; }
  Bounds bounds() const override { return arrow_.bounds(); }
  bool visible() const override { return arrow_.Visible(); }
  void paint(Canvas& canvas) override { arrow_.Paint(canvas); }
 private:
  TPieArrow arrow_;
};

// A square with curved corners, outline only (the world map's ring).
class TShape : public TGraphicControl {
 public:
  TShape(int left, int top, int width, int height) : bounds_{left, top, width, height} {}
  Bounds bounds() const override { return bounds_; }
  void setLeft(int v) { bounds_.left = v; invalidate(); }
  void setTop(int v) { bounds_.top = v; invalidate(); }
  bool visible() const override { return visible_; }
  void setVisible(bool v) { visible_ = v; invalidate(); }
  Pen pen;
  void paint(Canvas& canvas) override;
 private:
  Bounds bounds_;
  bool visible_ = true;
};

class TGraphicHost : public TPanel {
  Q_OBJECT
 public:
  TGraphicHost(const QString& name, QWidget* parent);
  // Adds a control on top of those added before; the host does not own it.
  void addGraphic(TGraphicControl* g);
  // The panel as it is drawn now: background, pictures and arrows (for tests).
  QImage render() const;
 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
 private:
  TGraphicControl* at(const QPoint& p) const;
  std::vector<TGraphicControl*> graphics_;
};

QImage ToImage(const Bitmap& bmp);
Bitmap ToBitmap(const QImage& image);

}  // namespace kestrel
