#include "worldmap/WorldMapUnit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

#include "core/text.h"
#include "core/text_file.h"
#include "dxcc/prefix_alias.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "worldmap/dxcc_lists.h"
#include "worldmap/map_marks.h"

namespace kestrel {
namespace {

const QColor kStrip(225, 195, 120), kTools(224, 192, 120);
constexpr int kSheetWidth = 1133, kSheetHeight = 556;

// The pictures of the tool buttons.
QIcon AutoPanIcon() {
  QPixmap pm(30, 28);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(150, 200, 255));
  p.setPen(QPen(colors::Navy, 1));
  p.drawEllipse(QRectF(7, 1, 16, 14));
  p.setBrush(QColor(192, 176, 127));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(10, 4, 6, 5));
  p.drawEllipse(QRectF(16, 7, 5, 6));
  p.setPen(colors::Navy);
  p.setFont(LayoutFont("Arial", 9, true));
  p.drawText(QRectF(0, 16, 30, 12), Qt::AlignCenter, QStringLiteral("Auto"));
  return QIcon(pm);
}

QIcon CloseIcon() {
  QPixmap pm(30, 28);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(200, 0, 0), 3));
  p.drawLine(QPointF(9, 2), QPointF(21, 14));
  p.setPen(QPen(QColor(0, 0, 200), 3));
  p.drawLine(QPointF(21, 2), QPointF(9, 14));
  p.setPen(colors::Navy);
  p.setFont(LayoutFont("Arial", 9, true));
  p.drawText(QRectF(0, 16, 30, 12), Qt::AlignCenter, QStringLiteral("Close"));
  return QIcon(pm);
}

// 11 x 11 on grey: a navy triangle pointing away from the centre, a maroon square in it.
QIcon PadIcon(int row, int column) {
  QPixmap pm(11, 11);
  pm.fill(QColor(192, 192, 192));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  if (row == 1 && column == 1) {
    p.fillRect(QRect(3, 3, 5, 5), colors::Maroon);
    return QIcon(pm);
  }
  const QPointF c(5.5, 5.5);
  QPointF dir(column - 1, row - 1);
  const double len = std::hypot(dir.x(), dir.y());
  dir /= len;
  const QPointF side(-dir.y(), dir.x());
  QPolygonF tri{c + dir * 4.5, c - dir * 2.5 + side * 4, c - dir * 2.5 - side * 4};
  p.setPen(Qt::NoPen);
  p.setBrush(colors::Navy);
  p.drawPolygon(tri);
  return QIcon(pm);
}

}  // namespace

TWorldMap::TWorldMap(QWidget* parent)
    : TForm(QStringLiteral("WorldMap"), QStringLiteral("World Map"), QSize(1016, 591), kTools, parent) {
  // As wide as the desktop's work area; 625 pixels high with its frame.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int width = screen ? screen->availableGeometry().width() : 1016;
  setFixedSize(std::max(width, 1018), 591);

  Panel8 = new TPanel(QStringLiteral("Panel8"), this);
  Panel8->setGeometry(0, 0, 1018, 39);
  Panel8->setColor(kStrip);
  Panel1 = new TPanel(QStringLiteral("Panel1"), Panel8);
  Panel1->setGeometry(1, 1, 783, 37);
  Panel1->setColor(kTools);
  Panel1->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
  Panel1->setFocusPolicy(Qt::ClickFocus);
  auto tool = [this](const QString& name, const QRect& r, const QIcon& icon) {
    auto* b = new TSpeedButton(name, Panel1);
    b->setGeometry(r);
    b->setIcon(icon);
    b->setIconSize(r.size() - QSize(2, 2));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return b;
  };
  SpeedButton2 = tool(QStringLiteral("SpeedButton2"), QRect(288, 3, 34, 32), AutoPanIcon());
  SpeedButton2->setCheckable(true);
  SpeedButton2->setChecked(true);
  SpeedButton2->setHint(QStringLiteral("Pan automatically to the mark"));
  SpeedButton1 = tool(QStringLiteral("SpeedButton1"), QRect(330, 3, 34, 32), CloseIcon());
  SpeedButton1->setHint(QStringLiteral("Close"));
  static const char* const names[3][3] = {{"SpeedButton8", "SpeedButton5", "SpeedButton9"},
                                          {"SpeedButton4", "SpeedButton7", "SpeedButton3"},
                                          {"SpeedButton11", "SpeedButton6", "SpeedButton10"}};
  const int xs[3] = {375, 388, 401}, ys[3] = {0, 13, 25}, hs[3] = {13, 12, 12};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) {
      TSpeedButton* b = tool(QString::fromLatin1(names[row][column]), QRect(xs[column], ys[row], 13, hs[row]),
                             PadIcon(row, column));
      b->setIconSize(QSize(11, 11));
      b->setHint(QStringLiteral("Drag map with mouse also."));
      PanButtons[row][column] = b;
      connect(b, &QToolButton::clicked, this, [this, row, column] { PanButtonClick(row, column); });
    }
  Label2 = new QLabel(QStringLiteral("DXCC Search List:"), Panel1);
  Label2->move(425, 0);
  SetTextColor(Label2, colors::Navy);
  ComboBox1 = new TComboBox(QStringLiteral("ComboBox1"), Panel1);
  ComboBox1->setGeometry(423, 13, 358, 23);
  ComboBox1->setFont(LayoutFont("Arial", 12));
  SetFieldColors(ComboBox1, colors::White, colors::Navy);
  ComboBox1->setMaxVisibleItems(20);
  ComboBox1->setMaxTyped(20);
  for (const char* entry : DxccSearchList) ComboBox1->addItemL1(entry);
  ComboBox1->setTextL1("");

  Panel2 = new TPanel(QStringLiteral("Panel2"), this);
  Panel2->setGeometry(0, 39, 1017, 552);
  Panel2->setColor(kStrip);
  Panel3 = new TGraphicHost(QStringLiteral("Panel3"), Panel2);
  Panel3->setGeometry(1, 1, 1022, 550);
  Panel3->setColor(colors::White);
  Panel3->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
  Panel3->installEventFilter(this);
  image_ = std::make_unique<TImage>(-3, -3, 1022, 553);
  Image1 = image_.get();
  Panel3->addGraphic(Image1);
  arrow_ = std::make_unique<TPieArrowControl>();
  PieArrow1 = arrow_.get();
  {
    // Built as the window's stored layout builds it.
    TPieArrow& a = PieArrow1->arrow();
    a.GetBrush().setColor(MakeRgb(255, 255, 0));
    a.GetPen().setColor(MakeRgb(0, 0, 128));
    a.GetPen().setWidth(2);
    a.SetLeft(5);
    a.SetTop(5);
    a.SetWidth(96);
    a.SetHeight(20);
    a.SetArrowWidth(9);
    a.SetTransparent(false);
    a.SetStartX(15);
    a.SetStartY(15);
    a.SetTargetX(91);
    a.SetTargetY(15);
    a.SetVisible(false);
  }
  PieArrow1->onMouseUp = [this](QMouseEvent*) { PieArrow1MouseUp(); };
  ring_ = std::make_unique<TShape>(40, 32, 33, 33);
  Shape1 = ring_.get();
  Shape1->pen.color = MakeRgb(255, 0, 0);
  Shape1->pen.width = 2;
  Shape1->setVisible(false);
  Panel3->addGraphic(PieArrow1);
  Panel3->addGraphic(Shape1);
  Panel4 = new QWidget(Panel3);
  Panel4->setGeometry(432, 128, 4, 4);
  Panel4->hide();
  Timer1 = new TTimer(0, this);

  connect(SpeedButton1, &QToolButton::clicked, this, [this] { close(); });
  connect(Timer1, &TTimer::timeout, this, [this] { guard([this] { Timer1Timer(); }); });
  connect(ComboBox1, &TComboBox::dropDown, this, [this] { guard([this] { ComboBox1DropDown(); }); });
  connect(ComboBox1, &QComboBox::editTextChanged, this, [this] { guard([this] { ComboBox1Change(); }); });
  connect(ComboBox1, &TComboBox::exited, this, [this] { guard([this] { ShowMapMark(); }); });
  // The window sees every typed character before the search box does.
  ComboBox1->setKeyPressHandler([this](QString& key) {
    FormKeyPress(key);
    ComboBox1KeyPress(key);
  });
}

TWorldMap::~TWorldMap() = default;

void TWorldMap::moveSheet(int left, int top) { Panel3->move(left, top); }

void TWorldMap::FormActivate() {
  // The steps belong to each opening: coming back to the open window from another program
  // keeps the mark and the search text.
  if (reactivated()) return;
  if (FirstActivation) {
    // The picture is read at the first showing, so that program start does not wait for it.
    QImage picture(QString::fromStdString(JoinPath(services().programFolder, "worldmap.png")));
    if (!picture.isNull()) Image1->setPicture(picture);
    Panel3->resize(kSheetWidth, kSheetHeight);
    Image1->setBounds({0, 0, kSheetWidth, kSheetHeight});
    FirstActivation = false;
  }
  TPieArrow& a = PieArrow1->arrow();
  a.SetTop(35);
  a.SetLeft(26);
  ComboBox1->setTextL1("");
  ComboBox1->setFocus();
}

void TWorldMap::PanButtonClick(int row, int column) {
  SheetPlace p = PanPlace(row, column, {Panel3->x(), Panel3->y()}, Panel2->width(), Panel2->height(),
                          Panel3->width(), Panel3->height());
  moveSheet(p.left, p.top);
}

bool TWorldMap::eventFilter(QObject* watched, QEvent* e) {
  const bool mouse = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove ||
                     e->type() == QEvent::MouseButtonRelease;
  if (watched == Panel3 && mouse) {
    auto* m = static_cast<QMouseEvent*>(e);
    const auto& a = PieArrow1->arrow();
    if (e->type() == QEvent::MouseButtonPress && m->button() == Qt::LeftButton) {
      const QPoint at = m->position().toPoint();
      const bool onArrow = a.Visible() && at.x() >= a.Left() && at.y() >= a.Top() &&
                           at.x() < a.Left() + a.Width() && at.y() < a.Top() + a.Height();
      if (!onArrow) {
        // The sheet follows the mouse until the button is released.
        dragging_ = true;
        dragFrom_ = m->globalPosition().toPoint();
        sheetFrom_ = Panel3->pos();
        return true;
      }
    } else if (e->type() == QEvent::MouseMove && dragging_) {
      const QPoint d = m->globalPosition().toPoint() - dragFrom_;
      moveSheet(sheetFrom_.x() + d.x(), sheetFrom_.y() + d.y());
      return true;
    } else if (e->type() == QEvent::MouseButtonRelease && dragging_) {
      dragging_ = false;
      SheetPlace p = ClampSheet({Panel3->x(), Panel3->y()}, Panel2->width(), Panel2->height(),
                                Panel3->width(), Panel3->height());
      moveSheet(p.left, p.top);
      return true;
    }
  }
  return TForm::eventFilter(watched, e);
}

void TWorldMap::keyPressEvent(QKeyEvent* e) {
  QString key = e->text();
  if (key.size() == 1 && key[0].isPrint()) {
    guard([&] { FormKeyPress(key); });
    return;
  }
  TForm::keyPressEvent(e);
}

void TWorldMap::PlaceArrowAtDot() {
  TPieArrow& a = PieArrow1->arrow();
  a.SetTop(Panel4->y() - (a.Height() / 2 + 3));
  a.SetLeft(Panel4->x() - (a.Width() - 6));
}

void TWorldMap::FormKeyPress(QString& key) {
  if (key == "1") Step = 1;
  if (key == "2") Step = 10;
  if (key == "3") Step = 20;
  if (key == "w") Panel4->move(Panel4->x(), Panel4->y() - Step);
  if (key == "s") Panel4->move(Panel4->x(), Panel4->y() + Step);
  if (key == "a") Panel4->move(Panel4->x() - Step, Panel4->y());
  if (key == "d") Panel4->move(Panel4->x() + Step, Panel4->y());
  PlaceArrowAtDot();
}

void TWorldMap::ComboBox1KeyPress(QString& key) {
  // Keep the pointer off the list about to open, where it would change the highlighted entry:
  // a pointer right of the box's left edge and above its list's foot goes just left of the box.
  PointerService& pointer = *services().pointer;
  const QPoint at = pointer.pos();
  const QPoint box = ComboBox1->mapToGlobal(QPoint(0, 0));
  if (at.x() >= box.x() && at.y() <= box.y() + 350) pointer.setPos(QPoint(box.x() - 20, at.y()));
  ComboBox1->showPopup();
  if (key.size() == 1 && key[0] >= QChar('a') && key[0] <= QChar('z')) key = key.toUpper();
}

void TWorldMap::ComboBox1DropDown() {
  ComboBox1->setTextL1("");
  Timer1->setInterval(100);
}

void TWorldMap::ComboBox1Change() {
  if (auto canonical = FindCanonicalPrefix(ComboBox1->textL1())) ComboBox1->setTextL1(*canonical);
  ComboBox1->lineEdit()->setCursorPosition(10000);  // clamped to the end of the text
}

void TWorldMap::Timer1Timer() {
  if (ComboBox1->droppedDown()) return;
  Timer1->setInterval(0);
  Panel1->setFocus();
}

void TWorldMap::ShowMapMark() {
  const std::string text = ComboBox1->textL1();
  size_t i = 0;
  while (i < DxccSearchList.size() && text != DxccSearchList[i]) ++i;
  const std::string position = i < DxccPositionList.size() ? DxccPositionList[i] : "";
  const std::optional<MapMark> mark = ParseMapMark(position);
  TPieArrow& a = PieArrow1->arrow();
  if (!mark) {
    a.SetVisible(false);
    ComboBox1->setFocus();
    return;
  }
  if (mark->kind == MapMark::Pointer) {
    Panel4->move(mark->x, mark->y - 8);
    PlaceArrowAtDot();
    a.SetVisible(true);
    Shape1->setVisible(false);
  } else {
    Panel4->move(mark->x, mark->y);
    Shape1->setTop(Panel4->y());
    Shape1->setLeft(Panel4->x() + Panel4->width());
    Shape1->setVisible(true);
    a.SetVisible(false);
  }
  if (SpeedButton2->isChecked()) {
    const int vw = Panel2->width(), vh = Panel2->height(), sw = Panel3->width(), sh = Panel3->height();
    const int left = Panel4->x() < 568 ? 0 : vw - sw;
    const int top = Panel4->y() <= 300 ? 0 : vh - sh;
    moveSheet(left, top);
  }
  // The whole text selected, so that the next typing replaces it.
  ComboBox1->setFocus();
  ComboBox1->lineEdit()->setCursorPosition(10000);
  ComboBox1->lineEdit()->home(true);
}

void TWorldMap::PieArrow1MouseUp() { PieArrow1->arrow().SetVisible(false); }

}  // namespace kestrel
