#include "geo/Unit2.h"

#include "platform/controls.h"

namespace kestrel {

TGrid::TGrid(QWidget* parent)
    : TForm(QStringLiteral("Grid"), QStringLiteral("Grid / Coordinate Calc"), QSize(211, 146), QColor(224, 208, 168), parent) {
  AddCloseButton(this, QStringLiteral("SpeedButton1"), QRect(110, 110, 60, 20), QColor(192, 176, 144), QStringLiteral("Cancel"));
}

}  // namespace kestrel
