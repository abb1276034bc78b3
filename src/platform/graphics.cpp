#include "platform/graphics.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace kestrel {

QImage ToImage(const Bitmap& bmp) {
  QImage img(bmp.width, bmp.height, QImage::Format_RGB32);
  for (int y = 0; y < bmp.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < bmp.width; ++x) line[x] = 0xFF000000u | bmp.at(x, y);
  }
  return img;
}

Bitmap ToBitmap(const QImage& image) {
  QImage img = image.convertToFormat(QImage::Format_RGB32);
  Bitmap bmp(img.width(), img.height());
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) bmp.set(x, y, line[x] & 0xFFFFFFu);
  }
  return bmp;
}

void TGraphicControl::invalidate() {
  if (host) host->update();
}

void TImage::setPicture(const QImage& picture) {
  picture_ = ToBitmap(picture);
  invalidate();
}

void TImage::paint(Canvas& canvas) {
  for (int y = 0; y < picture_.height; ++y)
    for (int x = 0; x < picture_.width; ++x)
      canvas.SetPixel(x, y, picture_.at(x, y));
}

void TShape::paint(Canvas& canvas) {
  canvas.pen.assign(pen);
  // The outline lies inside the bounds: the pen's width is taken off each side.
  const int w = bounds_.width, h = bounds_.height, inset = pen.width / 2;
  const int l = inset, t = inset, r = w - 1 - inset, b = h - 1 - inset;
  const int c = std::min(w, h) / 4;  // the corners' radius
  canvas.MoveTo(l + c, t);
  canvas.LineTo(r - c, t);
  canvas.MoveTo(r, t + c);
  canvas.LineTo(r, b - c);
  canvas.MoveTo(r - c, b);
  canvas.LineTo(l + c, b);
  canvas.MoveTo(l, b - c);
  canvas.LineTo(l, t + c);
  canvas.Arc(r - 2 * c, t, r, t + 2 * c, r, t + c, r - c, t);          // top right
  canvas.Arc(l, t, l + 2 * c, t + 2 * c, l + c, t, l, t + c);          // top left
  canvas.Arc(l, b - 2 * c, l + 2 * c, b, l, b - c, l + c, b);          // bottom left
  canvas.Arc(r - 2 * c, b - 2 * c, r, b, r - c, b, r, b - c);          // bottom right
}

TPieArrowControl::TPieArrowControl() {
  arrow_.onInvalidate = [this] { invalidate(); };
}

TGraphicHost::TGraphicHost(const QString& name, QWidget* parent) : TPanel(name, parent) {
  setAutoFillBackground(false);
}

void TGraphicHost::addGraphic(TGraphicControl* g) {
  g->host = this;
  graphics_.push_back(g);
  update();
}

QImage TGraphicHost::render() const {
  Bitmap frame(width(), height(), palette().color(QPalette::Window).rgb() & 0xFFFFFFu);
  for (TGraphicControl* g : graphics_) {
    if (!g->visible()) continue;
    const Bounds b = g->bounds();
    Canvas canvas(frame, b.left, b.top, b.width, b.height);
    g->paint(canvas);
  }
  return ToImage(frame);
}

void TGraphicHost::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, render());
  paintFrame(p);
}

TGraphicControl* TGraphicHost::at(const QPoint& p) const {
  for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
    const Bounds b = (*it)->bounds();
    if ((*it)->visible() && p.x() >= b.left && p.y() >= b.top && p.x() < b.left + b.width &&
        p.y() < b.top + b.height)
      return *it;
  }
  return nullptr;
}

void TGraphicHost::mousePressEvent(QMouseEvent* e) {
  if (TGraphicControl* g = at(e->position().toPoint()); g && g->onMouseDown) {
    g->onMouseDown(e);
    return;
  }
  TPanel::mousePressEvent(e);
}

void TGraphicHost::mouseReleaseEvent(QMouseEvent* e) {
  if (TGraphicControl* g = at(e->position().toPoint()); g && g->onMouseUp) {
    g->onMouseUp(e);
    return;
  }
  TPanel::mouseReleaseEvent(e);
}

}  // namespace kestrel
