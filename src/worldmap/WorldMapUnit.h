// The World Map window: finds a DXCC entity by prefix or name and marks it on the world map.
#pragma once
#include <QPoint>
#include <array>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/graphics.h"

class QLabel;

namespace kestrel {

class TComboBox;
class TSpeedButton;
class TTimer;

class TWorldMap : public TForm {
  Q_OBJECT
 public:
  explicit TWorldMap(QWidget* parent = nullptr);
  ~TWorldMap() override;

  TPanel* Panel8;               // the tool strip
  TPanel* Panel1;               // holds the tools; focus target of Timer1
  TSpeedButton* SpeedButton2;   // automatic panning (down: on)
  TSpeedButton* SpeedButton1;   // Close
  // The pan pad: [row][column], row 0 top, column 0 left (SpeedButton8, 5, 9 / 4, 7, 3 / 11, 6, 10).
  std::array<std::array<TSpeedButton*, 3>, 3> PanButtons;
  QLabel* Label2;
  TComboBox* ComboBox1;         // the DXCC search box
  TPanel* Panel2;               // the viewport
  TGraphicHost* Panel3;         // the map sheet
  TImage* Image1;               // the world map picture
  TPieArrowControl* PieArrow1;  // the pointer arrow
  TShape* Shape1;               // the ring
  QWidget* Panel4;              // the position dot (never shown)
  TTimer* Timer1;

  int Step = 1;
  bool FirstActivation = true;

  void FormActivate() override;
  void FormKeyPress(QString& key);
  void ComboBox1KeyPress(QString& key);
  void ComboBox1DropDown();
  void ComboBox1Change();
  void Timer1Timer();
  void ShowMapMark();  // ComboBox1Exit
  void PanButtonClick(int row, int column);
  void PieArrow1MouseUp();
  // Places the arrow at the dot by the two outside moves of a pointer mark.
  void PlaceArrowAtDot();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  std::unique_ptr<TImage> image_;
  std::unique_ptr<TPieArrowControl> arrow_;
  std::unique_ptr<TShape> ring_;
  bool dragging_ = false;
  QPoint dragFrom_, sheetFrom_;
  void moveSheet(int left, int top);
};

}  // namespace kestrel
