#include "pictures/USBandsUnit.h"

#include "platform/controls.h"

namespace kestrel {

TUSBands::TUSBands(QWidget* parent)
    : TForm(QStringLiteral("USBands"), QStringLiteral("US Amateur Bands"), QSize(745, 466), QColor(192, 176, 144), parent) {
  AddCloseButton(this, QStringLiteral("SpeedButton20"), QRect(323, 403, 71, 17), QColor(192, 176, 144), QStringLiteral("OK"));
}

}  // namespace kestrel
