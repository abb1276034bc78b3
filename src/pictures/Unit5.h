// The About window: the program's name and version and three help texts.
#pragma once
#include "platform/form.h"

class QLabel;

namespace kestrel {

class TSpeedButton;

class TAbout : public TForm {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);
  QLabel *Label7, *Label2, *Label1, *Label4, *Label3;
  TSpeedButton* SpeedButton1;  // OK
};

}  // namespace kestrel
