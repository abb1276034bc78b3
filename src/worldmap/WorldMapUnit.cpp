#include "worldmap/WorldMapUnit.h"

#include "platform/controls.h"

namespace kestrel {

TWorldMap::TWorldMap(QWidget* parent)
    : TForm(QStringLiteral("WorldMap"), QStringLiteral("World Map"), QSize(1016, 591), QColor(224, 192, 120), parent) {
  AddCloseButton(this, QStringLiteral("SpeedButton1"), QRect(330, 3, 34, 32), QColor(192, 176, 144), QStringLiteral("OK"));
}

}  // namespace kestrel
