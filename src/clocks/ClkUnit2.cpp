#include "clocks/ClkUnit2.h"

#include "platform/controls.h"

namespace kestrel {

TClock2::TClock2(QWidget* parent)
    : TForm(QStringLiteral("Clock2"), QStringLiteral("Clocks"), QSize(414, 348), colors::Sand,
            parent) {
  AddCloseButton(this, QStringLiteral("SpeedButton1"), QRect(128, 323, 76, 24), colors::Sand,
                 QStringLiteral("OK"));
}

void TClock2::InitializeParameters(const std::string& mode) {
  // The clocks file is read and written here once the place clocks exist.
  (void)mode;
}

}  // namespace kestrel
