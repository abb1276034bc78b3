// The Home Parameters window: the home position, GMT offset and display options.
#pragma once
#include "platform/form.h"

class QCheckBox;
class QRadioButton;
class QLineEdit;

namespace kestrel {

class THome : public TForm {
  Q_OBJECT
 public:
  explicit THome(QWidget* parent = nullptr);

  QLineEdit* Edit1;         // latitude text as typed
  QLineEdit* Edit2;         // longitude text as typed
  QCheckBox* CheckBox1;     // "Display Long Path"
  QCheckBox* CheckBox2;     // "Display Military Time"
  QRadioButton* RadioButton1;  // "Miles"
  QRadioButton* RadioButton2;  // "Kilometers"

  bool miles() const;
  bool longPath() const;
  void setLongPath(bool on);

 signals:
  // "Display Long Path" ticked or unticked, in code or by the user.
  void longPathChanged(bool shown);
};

}  // namespace kestrel
