// The About window.
#pragma once
#include "platform/form.h"

namespace kestrel {

class TAbout : public TForm {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);
};

}  // namespace kestrel
