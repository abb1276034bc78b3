// The US Call Map picture window.
#pragma once
#include "platform/form.h"

namespace kestrel {

class TUSMap : public TForm {
  Q_OBJECT
 public:
  explicit TUSMap(QWidget* parent = nullptr);
};

}  // namespace kestrel
