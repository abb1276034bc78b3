// The World Map window.
#pragma once
#include "platform/form.h"

namespace kestrel {

class TWorldMap : public TForm {
  Q_OBJECT
 public:
  explicit TWorldMap(QWidget* parent = nullptr);
};

}  // namespace kestrel
