// The Grid / Coordinate Calc window: aims the antenna at a Maidenhead locator's corner or at a
// typed coordinate pair.
#pragma once
#include <string>

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kestrel {

class TPanel;
class TSpeedButton;

class TGrid : public TForm {
  Q_OBJECT
 public:
  explicit TGrid(QWidget* parent = nullptr);

  QWidget* LocatorPage;
  QLabel *Label1, *Label2, *Label4, *Label3;
  QLineEdit* Edit1;  // the locator
  QWidget* CoordinatesPage;
  QLabel *Label7, *Label8, *Label6, *Label5;
  QLineEdit* Edit2;  // latitude text
  QLineEdit* Edit3;  // longitude text
  QRadioButton* RadioButton1;  // "GRID"
  QRadioButton* RadioButton2;  // "Coordinates"
  TSpeedButton* SpeedButton54;  // "Calc"
  TSpeedButton* SpeedButton1;   // "Cancel"

  std::string GridLocator;  // the last result of GridCalc

  void FormActivate() override;
  void SpeedButton54Click();  // Calc
  void RadioButton1Click();
  void RadioButton2Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // Shows the heading from home to the destination in the main window, then closes.
  void HandOff(const std::string& message, double destLat, double destLon);
  void CalcCoordinates();
  void CalcLocator();
};

}  // namespace kestrel
