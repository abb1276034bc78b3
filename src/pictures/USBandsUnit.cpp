#include "pictures/USBandsUnit.h"

namespace kestrel {

TUSBands::TUSBands(QWidget* parent)
    : TPictureWindow(QStringLiteral("USBands"), QStringLiteral("US Amateur Bands"), QSize(745, 466), "bands.gif",
                     QRect(323, 403, 71, 17), parent) {}

}  // namespace kestrel
