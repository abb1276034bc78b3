// The Clocks window: the home clock, the GMT clock and 24 place clocks, kept in the clocks file.
#pragma once
#include <QTime>
#include <array>
#include <string>

#include "platform/form.h"

class QCheckBox;
class QLineEdit;
class QMenu;
class QAction;

namespace kestrel {

class TPanel;
class TSpeedButton;
class TLabel;
class TTimer;

// A clock display that asks its owner for the time on every refresh (every 450 ms).
class TRxClock : public QWidget {
  Q_OBJECT
 public:
  TRxClock(const QString& name, QWidget* parent);
  std::function<QTime()> onGetTime;
  void setTwentyFourHour(bool on) { twentyFour_ = on; refresh(); }
  bool twentyFourHour() const { return twentyFour_; }
  QString text() const { return text_; }
  void refresh();
 protected:
  void paintEvent(QPaintEvent*) override;
 private:
  TTimer* timer_;
  bool twentyFour_ = true;
  QString text_;
};

class TClock2 : public TForm {
  Q_OBJECT
 public:
  explicit TClock2(QWidget* parent = nullptr);

  QLineEdit* Edit0;
  TRxClock* RxClock2;
  QLineEdit* Edit26;
  TPanel* Panel25;                    // GMT clock
  std::array<TPanel*, 24> Panels;     // Panel1 to Panel24: place times
  std::array<QLineEdit*, 24> Edits;   // Edit1 to Edit24: place names and offsets
  std::array<int, 24> Tags{};         // daylight-saving switches (1 = on)
  QCheckBox* CheckBox1;               // "Military"
  TSpeedButton* SpeedButton1;         // "OK"
  TSpeedButton* SpeedButton2;         // "Reset"
  TLabel* RxLabel1;                   // "Help"
  TPanel* Panel26;                    // the help panel
  QMenu* PopupMenu1;
  QAction* StdTime1;
  QAction* DSTime1;

  std::string ClockFlagLine;
  bool ClocksActive = false;
  bool ClocksEditing = false;
  bool FractionError = false;
  int LastMinute = 99;
  std::string PopupPanelName;

  // "PgmStart": read the clocks file; "ParmUpdate": write it; any other text: nothing.
  void InitializeParameters(const std::string& mode);
  void UpdateClocks();
  void ShowPlaceTime(int clock);  // clock 0 to 23
  QTime RxClock2GetTime();        // the minute tick; returns the local time shown
  void Edit1Change();
  void CheckBox1Click();
  void SpeedButton1Click();  // OK
  void SpeedButton2Click();  // Reset
  void SetDaylightSaving(bool on);  // "DS Time" / "Std Time" on the panel last pressed
  void FormActivate() override { ClocksActive = true; }

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  bool closingByOk_ = false;
  bool warningOpen_ = false;
  void FormCreate();
  void setEditColor(QLineEdit* e, bool red);
};

}  // namespace kestrel
