#include "compass/CompassUnit.h"

#include <QPainter>
#include <cmath>

#include "compass/compass_geometry.h"
#include "platform/controls.h"

namespace kestrel {

QImage CompassPicture() {
  QImage img(251, 251, QImage::Format_RGB32);
  img.fill(QColor(192, 176, 127));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  // The dial's centre is the centre of the arrow's circle, in picture coordinates (the picture
  // lies at (2, 2) in its panel).
  const QPointF c(kCompassCentreX - 2, kCompassCentreY - 2);
  p.setPen(QPen(QColor(0, 0, 0), 1.2));
  p.setBrush(QColor(255, 255, 0));
  p.drawEllipse(c, 121.5, 121.5);
  // Degree ticks: every 2 degrees, longer every 10.
  for (int d = 0; d < 360; d += 2) {
    const double a = d * M_PI / 180.0;
    const double outer = 120.5, len = d % 10 == 0 ? 10 : (d % 5 == 0 ? 7 : 5);
    const QPointF dir(std::sin(a), -std::cos(a));
    p.setPen(QPen(QColor(0, 0, 0), d % 10 == 0 ? 1.6 : 1.0));
    p.drawLine(c + dir * outer, c + dir * (outer - len));
  }
  // Numbers every 10 degrees, written along the rim and upright at the top, just outside the
  // arrow's circle so the tip points at the number of its heading.
  p.setPen(QColor(0, 0, 255));
  // A narrow face keeps the three-digit numbers apart at this radius.
  QFont f(QStringLiteral("Liberation Sans Narrow"));
  f.setPixelSize(10);
  f.setBold(true);
  f.setStretch(QFont::Condensed);
  p.setFont(f);
  for (int d = 0; d < 360; d += 10) {
    p.save();
    p.translate(c);
    p.rotate(d);
    p.translate(0, -103);
    const QRectF box(-15, -7, 30, 14);
    p.drawText(box, Qt::AlignCenter, QString::number(d));
    p.restore();
  }
  // The two red lines crossing at (126, 125), stopping short of the numbers.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(255, 0, 0), 1));
  p.drawLine(126, 34, 126, 214);
  p.drawLine(36, 125, 216, 125);
  return img;
}

}  // namespace kestrel
