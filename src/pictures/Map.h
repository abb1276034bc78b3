// The US Call Map window: the picture "Zones.gif".
#pragma once
#include "pictures/PictureWindow.h"

namespace kestrel {

class TUSMap : public TPictureWindow {
  Q_OBJECT
 public:
  explicit TUSMap(QWidget* parent = nullptr);
};

}  // namespace kestrel
