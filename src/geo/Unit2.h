// The Grid / Coordinate Calc window.
#pragma once
#include "platform/form.h"

namespace kestrel {

class TGrid : public TForm {
  Q_OBJECT
 public:
  explicit TGrid(QWidget* parent = nullptr);
};

}  // namespace kestrel
