// The US Amateur Bands picture window.
#pragma once
#include "platform/form.h"

namespace kestrel {

class TUSBands : public TForm {
  Q_OBJECT
 public:
  explicit TUSBands(QWidget* parent = nullptr);
};

}  // namespace kestrel
