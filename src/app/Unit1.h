// The main window: compass, place box, state button bar, home fields, heading display,
// command buttons, tool bar clocks and the status bar.
#pragma once
#include <QSystemTrayIcon>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "geo/geodesic.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/graphics.h"

namespace kestrel {

class TKestrel1 : public TForm {
  Q_OBJECT
 public:
  explicit TKestrel1(QWidget* parent = nullptr);
  ~TKestrel1() override;

  // ---- Controls, by the names the program gives them ----
  TPanel* ToolBar1;
  TPanel* Panel7;
  TLabel* Label5;  // sunrise ("Rise")
  TLabel* Label7;  // sunset ("Set")
  TLabel* Label6;  // local clock
  TLabel* Label3;  // UTC clock
  TSpeedButton* SpeedButton52;  // About
  TSpeedButton* SpeedButton53;  // hide
  TGraphicHost* Panel2;         // the compass panel
  TImage* Image1;               // the compass picture
  TPieArrowControl* PieArrow1;  // the heading arrow
  TPanel* Panel3;               // arrow tail marker (never shown)
  TPanel* Panel5;               // arrow tip marker (never shown)
  TPanel* Panel1;               // separator, focus target of Timer1
  TComboBox* ComboBox2;         // the place box
  TSpeedButton* SpeedButton62;  // sort
  TPanel* Panel4;               // the state button bar
  std::array<TSpeedButton*, 50> StateButtons;  // SpeedButton1 to SpeedButton50
  TSpeedButton* SpeedButton51;  // DXCC
  TSpeedButton* SpeedButton61;  // GRID
  TPanel* Panel9;
  QLineEdit* Edit1;  // home latitude as typed
  QLineEdit* Edit2;  // home longitude as typed
  TCurrencyEdit* CurrencyEdit2;  // home latitude, decimal degrees (north positive)
  TCurrencyEdit* CurrencyEdit1;  // home longitude, decimal degrees (west positive)
  TPanel* Panel6;
  TLabel* Label73;  // heading
  TLabel* Label74;  // long path
  TPanel* Panel22;
  TSpeedButton* SpeedButton55;  // Preferences
  TSpeedButton* SpeedButton56;  // Close
  TSpeedButton* SpeedButton57;  // US Map
  TSpeedButton* SpeedButton58;  // World Map
  TSpeedButton* SpeedButton59;  // US Bands
  TSpeedButton* SpeedButton63;  // Clocks
  TSpeedButton* SpeedButton60;  // Clear
  TStatusBar* StatusBar1;
  TPanel* Panel8;  // overlay over the status bar for long heading texts
  TTimer* Timer1;
  TTimer* Timer2;
  QSystemTrayIcon* RxTrayIcon1;

  // ---- State ----
  std::vector<std::string> PlaceList;  // the lines of the place file
  std::vector<std::string> ListBox1;   // the DXCC entries in country-first form
  std::vector<std::string> Memo1;      // the lines of the clocks file
  std::string PrefsFlags = std::string(19, '0');
  std::string CoordPair;
  std::string HeadingNote;
  BearingResult Bearing;
  double LongPathHeading = 0;
  bool LongPathToggle = false;
  bool PlaceButtonUsed = false;
  bool ListNotByPrefix = false;
  bool FirstActivationDone = false;
  bool HoverFlag = false;
  int LastClockMinute = 0;
  // True when the last heading display was reset by a zero coordinate.
  bool DisplayResetByZero = true;

  // ---- Operations ----
  void BreakOutCity(const std::string& key, const std::string& note, long double homeLat,
                    long double homeLon, long double targetLat, long double targetLon);
  void DistanceDisplay();
  void ResetComboBox();
  // Points the compass arrow at a heading, or puts it at rest pointing north.
  void SetCompassArrow(long double heading);
  void ResetCompassArrow();
  void ChgButtonColors(int index);
  // Reads a home field as a number; an unset home position is reported in words.
  long double ReadHomeField(const TCurrencyEdit& field) const;
  // Fills the four home fields from the texts as typed and their converted pair.
  void StoreHomePair(const std::string& latTyped, const std::string& lonTyped,
                     const std::string& convertedPair);
  void InitializeParameters(const std::string& mode);
  // Reads the preferences file into the Home window and the home fields, then shows today's
  // sunrise and sunset at home.
  void LoadPrefs();
  // Writes the preferences file from the Home window's state.
  void SavePrefs();
  // Computes the sunrise and sunset texts at home and shows them in the tool bar.
  void ShowSunTimes();
  bool MilitaryTime = false;
  std::string SunriseText, SunsetText;

  // ---- Handlers ----
  void FormCreate();
  void FormActivate() override;
  void StateButtonClick(int n);  // SpeedButton1Click to SpeedButton50Click
  void SpeedButton51Click();     // DXCC
  void SpeedButton61Click();     // GRID
  void SpeedButton52Click();     // About
  void SpeedButton53Click();     // hide
  void SpeedButton55Click();     // Preferences
  void SpeedButton56Click();     // Close
  void SpeedButton57Click();     // US Map
  void SpeedButton58Click();     // World Map
  void SpeedButton59Click();     // US Bands
  void SpeedButton60Click();     // Clear
  void SpeedButton63Click();     // Clocks
  void RxTrayIcon1Click();
  void Timer1Timer();
  void Timer2Timer();
  void Panel4MouseMove();
  void StatusBar1DblClick();
  void Panel8DblClick();
  void Label73DblClick();
  void ComboBox2DropDown();
  void ComboBox2KeyPress(QString& key);
  void ComboBox2Change();
  void ComboBox2Exit();
  void SpeedButton62Click();  // sort

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void buildLayout();
  void setIdleTexts(const char* distanceText);
  void openPlaceList();
  void setStatusDegrees(const std::string& statusText, const std::string& panel8Text);
  void placeBoxWarning(const std::string& text);
  void pointArrowAtMarkers();
  std::unique_ptr<TImage> image1_;
  std::unique_ptr<TPieArrowControl> pieArrow1_;
};

}  // namespace kestrel
