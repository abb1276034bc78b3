// The Home Parameters window: the home position, GMT offset, zone and display options.
#pragma once
#include <string>

#include "platform/form.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QLineEdit;
class QLabel;

namespace kestrel {

class TCurrencyEdit;
class TPanel;
class TSpeedButton;

class THome : public TForm {
  Q_OBJECT
 public:
  explicit THome(QWidget* parent = nullptr);

  QLabel* Label2;
  QLineEdit* Edit1;  // latitude text as typed
  QLabel* Label1;
  QLineEdit* Edit2;  // longitude text as typed
  QLabel* Label3;
  TCurrencyEdit* CurrencyEditGMT3;  // GMT offset, shown whole
  QLabel* Label4;
  QComboBox* ComboBox1;     // the zone list
  QCheckBox* CheckBox2;     // "Display Military Time"
  QCheckBox* CheckBox1;     // "Display Long Path"
  QLabel* Label5;
  QRadioButton* RadioButton1;  // "Miles"
  QRadioButton* RadioButton2;  // "Kilometers"
  TPanel* SavePanel;
  TSpeedButton* SpeedButton54;  // "Save"

  int ZoneIndex = 0;

  bool miles() const;
  bool longPath() const;
  void setLongPath(bool on);
  double gmtOffset() const;
  void setGmtOffset(double hours);
  // The texts as typed, as the main window and the preferences file take them.
  void setHomeTexts(const std::string& latText, const std::string& lonText);
  std::string latText() const;
  std::string lonText() const;

  // Handlers.
  void FormActivate() override;
  void ComboBox1Change(int index);
  void SpeedButton54Click();  // Save

 signals:
  // "Display Long Path" ticked or unticked, in code or by the user.
  void longPathChanged(bool shown);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  // The texts last saved or read: a window left without Save shows them again.
  std::string savedLat_, savedLon_;
};

}  // namespace kestrel
