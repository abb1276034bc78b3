#include "pictures/Map.h"

namespace kestrel {

TUSMap::TUSMap(QWidget* parent)
    : TPictureWindow(QStringLiteral("USMap"), QStringLiteral("US Call Map"), QSize(501, 348), "Zones.gif",
                     QRect(211, 327, 70, 17), parent) {}

}  // namespace kestrel
