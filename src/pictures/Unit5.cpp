#include "pictures/Unit5.h"

#include "platform/controls.h"

namespace kestrel {

TAbout::TAbout(QWidget* parent)
    : TForm(QStringLiteral("About"), QStringLiteral(" Amateur Radio Kestrel About..."), QSize(389, 421), QColor(224, 208, 168), parent) {
  AddCloseButton(this, QStringLiteral("SpeedButton1"), QRect(163, 395, 62, 23), QColor(192, 176, 144), QStringLiteral("OK"));
}

}  // namespace kestrel
