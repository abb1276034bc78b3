// The two picture windows' common shape: a picture file from the program's folder shown at its
// own size, and an OK button under it.
#pragma once
#include <QPixmap>
#include <string>

#include "platform/form.h"

class QLabel;

namespace kestrel {

class TPanel;
class TSpeedButton;

class TPictureWindow : public TForm {
  Q_OBJECT
 public:
  TPictureWindow(const QString& name, const QString& caption, QSize designClient, const std::string& file,
                 QRect panelRect, QWidget* parent);
  QLabel* Image1;
  TPanel* Panel23;
  TSpeedButton* SpeedButton20;  // OK
  void FormActivate() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  std::string file_;
  bool warnedThisShowing_ = false;
};

}  // namespace kestrel
