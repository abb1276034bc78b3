#include "pictures/Map.h"

#include "platform/controls.h"

namespace kestrel {

TUSMap::TUSMap(QWidget* parent)
    : TForm(QStringLiteral("USMap"), QStringLiteral("US Call Map"), QSize(501, 348), QColor(192, 176, 144), parent) {
  AddCloseButton(this, QStringLiteral("SpeedButton20"), QRect(211, 327, 70, 17), QColor(192, 176, 144), QStringLiteral("OK"));
}

}  // namespace kestrel
