// The Clocks window: home, GMT and 24 place clocks, kept in the clocks file.
#pragma once
#include <string>

#include "platform/form.h"

namespace kestrel {

class TClock2 : public TForm {
  Q_OBJECT
 public:
  explicit TClock2(QWidget* parent = nullptr);
  // "PgmStart": read the clocks file; "ParmUpdate": write it; any other text: nothing.
  void InitializeParameters(const std::string& mode);
};

}  // namespace kestrel
