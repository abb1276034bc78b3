// The US Amateur Bands window: the picture "bands.gif".
#pragma once
#include "pictures/PictureWindow.h"

namespace kestrel {

class TUSBands : public TPictureWindow {
  Q_OBJECT
 public:
  explicit TUSBands(QWidget* parent = nullptr);
};

}  // namespace kestrel
