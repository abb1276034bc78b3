#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "core/text.h"
#include "worldmap/WorldMapUnit.h"
#include "worldmap/dxcc_lists.h"
#include "worldmap/map_marks.h"
#include "support/program_fixture.h"

namespace kestrel::testing {
namespace {

class WorldMap : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    std::filesystem::copy_file(std::string(KESTREL_DATA_DIR) + "/worldmap.png", folder / "worldmap.png");
  }
  TWorldMap& Open() {
    Start();
    TWorldMap& m = *windows().WorldMap;
    m.show();
    MakeActive(&m);  // the window's activation steps run
    return m;
  }
  void Choose(TWorldMap& m, const char* entry) {
    m.ComboBox1->setTextL1(entry);
    m.ShowMapMark();
  }
  Point Tip(TWorldMap& m) { return {m.PieArrow1->arrow().TargetX(), m.PieArrow1->arrow().TargetY()}; }
  void Type(TWorldMap& m, const QString& keys) { TypeInto(*m.ComboBox1, keys); }
};

TEST_F(WorldMap, LayoutAndTheSearchList) {
  TWorldMap& m = Open();
  EXPECT_EQ(m.windowTitle(), "World Map");
  EXPECT_EQ(m.height(), 591);
  EXPECT_EQ(m.Panel2->geometry(), QRect(0, 39, 1017, 552));
  EXPECT_EQ(m.Panel3->size(), QSize(1133, 556));
  EXPECT_EQ(m.Image1->bounds(), (Bounds{0, 0, 1133, 556}));
  EXPECT_EQ(m.Image1->picture().width, 1133);
  EXPECT_EQ(m.ComboBox1->count(), 388);
  EXPECT_EQ(m.ComboBox1->itemText(142), "FS  Saint Martin  ");
  EXPECT_EQ(m.ComboBox1->maxVisibleItems(), 20);
  EXPECT_TRUE(m.SpeedButton2->isChecked());
  EXPECT_FALSE(m.PieArrow1->arrow().Visible());
  EXPECT_FALSE(m.Shape1->visible());
  // The two outside moves of the first showing leave the arrow here.
  EXPECT_EQ(m.PieArrow1->arrow().Left(), 29);
  EXPECT_EQ(m.PieArrow1->arrow().Top(), 39);
  for (int i = 0; i < 25; ++i) Type(m, "x");
  EXPECT_EQ(m.ComboBox1->currentText().size(), 20);  // at most 20 typed characters
  m.ComboBox1->hidePopup();
}

TEST_F(WorldMap, PointerRingAndPanning) {
  TWorldMap& m = Open();
  Choose(m, "1A0  Malta");
  EXPECT_EQ(m.Panel4->pos(), QPoint(577, 154));
  EXPECT_EQ(m.PieArrow1->arrow().Left(), 490);
  EXPECT_EQ(m.PieArrow1->arrow().Top(), 145);
  EXPECT_EQ(Tip(m), (Point{576, 155}));
  EXPECT_TRUE(m.PieArrow1->arrow().Visible());
  EXPECT_FALSE(m.Shape1->visible());
  EXPECT_EQ(m.Panel3->pos(), QPoint(-116, 0));  // 577 > 567: right end; 154 <= 300: top
  EXPECT_EQ(m.ComboBox1->lineEdit()->selectedText(), "1A0  Malta");

  Choose(m, "1S  Spratly Island");
  EXPECT_EQ(m.Panel4->pos(), QPoint(865, 225));
  EXPECT_EQ(m.Shape1->bounds(), (Bounds{869, 225, 33, 33}));
  EXPECT_TRUE(m.Shape1->visible());
  EXPECT_FALSE(m.PieArrow1->arrow().Visible());

  Choose(m, "KH3  Johnston Island");  // ring at x 0: the left end
  EXPECT_EQ(m.Panel3->pos(), QPoint(0, 0));
  Choose(m, "KC4  Antarctica");  // x 878, y 537: the right and bottom ends
  EXPECT_EQ(m.Panel3->pos(), QPoint(-116, -4));

  // No entry: the arrow is hidden, a visible ring stays, nothing pans.
  Choose(m, "1S  Spratly Island");
  QPoint sheet = m.Panel3->pos();
  Choose(m, "DL");
  EXPECT_FALSE(m.PieArrow1->arrow().Visible());
  EXPECT_TRUE(m.Shape1->visible());
  EXPECT_EQ(m.Panel3->pos(), sheet);

  // With automatic panning off, a mark never moves the sheet.
  m.SpeedButton2->click();
  m.PanButtonClick(1, 1);
  Choose(m, "1A0  Malta");
  EXPECT_EQ(m.Panel3->pos(), QPoint(-58, -2));
}

TEST_F(WorldMap, PanPadAndDragging) {
  TWorldMap& m = Open();
  struct Case { int row, col; QPoint at; } cases[] = {
      {0, 2, {-116, 0}}, {2, 0, {0, -4}}, {1, 1, {-58, -2}}, {2, 2, {-116, -4}}, {0, 0, {0, 0}}};
  for (const auto& c : cases) {
    m.PanButtons[c.row][c.col]->click();
    EXPECT_EQ(m.Panel3->pos(), c.at) << c.row << c.col;
  }
  // Dragged far to the right and released: back to the left end.
  QTest::mousePress(m.Panel3, Qt::LeftButton, Qt::NoModifier, QPoint(500, 300));
  QMouseEvent move(QEvent::MouseMove, QPointF(800, 320), m.Panel3->mapToGlobal(QPointF(800, 320)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(m.Panel3, &move);
  EXPECT_EQ(m.Panel3->pos().x(), 300);  // it follows the mouse
  QTest::mouseRelease(m.Panel3, Qt::LeftButton, Qt::NoModifier, m.Panel3->mapFromGlobal(QCursor::pos()));
  EXPECT_EQ(m.Panel3->pos(), QPoint(0, 0));
}

TEST_F(WorldMap, DlSearchEndToEnd) {
  TWorldMap& m = Open();
  Type(m, "dl");
  EXPECT_EQ(m.ComboBox1->currentText(), "DA");
  EXPECT_EQ(m.ComboBox1->lineEdit()->cursorPosition(), 2);
  const int row = m.ComboBox1->findText("DA-DL  Germany, Fed. Rep. of");
  EXPECT_EQ(m.ComboBox1->view()->currentIndex().row(), row);
  // Enter takes the highlighted entry.
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(m.ComboBox1->view(), &enter);
  m.ComboBox1->hidePopup();
  EXPECT_EQ(m.ComboBox1->currentText(), "DA-DL  Germany, Fed. Rep. of");
  // Within 100 ms the timer moves the focus and the mark is shown.
  MakeActive(&m);  // the offscreen platform does not hand the activation back from the list
  m.ComboBox1->setFocus();
  ASSERT_TRUE(m.ComboBox1->hasFocus());
  EXPECT_FALSE(m.PieArrow1->arrow().Visible()) << "the mark is shown only when the focus leaves";
  EXPECT_TRUE(QTest::qWaitFor([&] { return m.PieArrow1->arrow().Visible(); }, 1000));
  // The box has the focus back, its whole text selected for the next search.
  EXPECT_TRUE(m.ComboBox1->hasFocus());
  EXPECT_EQ(m.ComboBox1->lineEdit()->selectedText(), "DA-DL  Germany, Fed. Rep. of");
  EXPECT_EQ(m.Timer1->interval(), 0);
  const auto mark = ParseMapMark(DxccPositionList[row]);
  ASSERT_TRUE(mark);
  EXPECT_EQ(Tip(m), (Point{mark->x - 1, mark->y - 8 + 1}));
  // The "d" typed moved the dot before the mark replaced it; "l" did nothing to it.
  EXPECT_EQ(m.Panel4->pos(), QPoint(mark->x, mark->y - 8));
}

TEST_F(WorldMap, KeysMoveTheDotAndTheArrowFollows) {
  TWorldMap& m = Open();
  Choose(m, "1A0  Malta");
  QString two = "2", d = "d", s = "s", upper = "D";
  m.FormKeyPress(two);
  m.FormKeyPress(d);
  EXPECT_EQ(m.Panel4->pos(), QPoint(587, 154));
  EXPECT_EQ(Tip(m), (Point{586, 155}));
  m.FormKeyPress(s);
  EXPECT_EQ(m.Panel4->pos(), QPoint(587, 164));
  m.FormKeyPress(upper);  // upper case moves nothing
  EXPECT_EQ(m.Panel4->pos(), QPoint(587, 164));
  EXPECT_EQ(m.Step, 10);
}

TEST_F(WorldMap, ArrowMovesThatChangeNothing) {
  TWorldMap& m = Open();
  // After a placement the arrow stands at (dot Left - 87, dot Top - 9). A dot 4 lower asks for
  // the Top the arrow already has: that move is none, and the tip ends 2 pixels higher.
  Choose(m, "1A0  Malta");
  ASSERT_EQ(m.PieArrow1->arrow().Top(), m.Panel4->y() - 9);
  m.Panel4->move(m.Panel4->x(), m.Panel4->y() + 4);
  m.PlaceArrowAtDot();
  EXPECT_EQ(Tip(m), (Point{m.Panel4->x() - 1, m.Panel4->y() - 1}));
  // The Top move (an outside move) first shifts the arrow 3 more to the right, to the dot's
  // Left - 84: a dot 6 to the right then asks for the Left the arrow already has.
  Choose(m, "1A0  Malta");
  ASSERT_EQ(m.PieArrow1->arrow().Left(), m.Panel4->x() - 87);
  m.Panel4->move(m.Panel4->x() + 6, m.Panel4->y());
  m.PlaceArrowAtDot();
  EXPECT_EQ(Tip(m), (Point{m.Panel4->x() - 4, m.Panel4->y() - 1}));
}

TEST_F(WorldMap, ReopeningMovesTheArrowBackToTheCorner) {
  TWorldMap& m = Open();
  Choose(m, "1A0  Malta");
  m.SpeedButton1->click();
  EXPECT_FALSE(m.isVisible());
  m.show();
  m.FormActivate();
  EXPECT_TRUE(m.PieArrow1->arrow().Visible());
  EXPECT_EQ(m.PieArrow1->arrow().Left(), 29);
  EXPECT_EQ(m.PieArrow1->arrow().Top(), 39);
  EXPECT_EQ(m.ComboBox1->currentText(), "");
  // A click on the arrow hides it.
  m.PieArrow1MouseUp();
  EXPECT_FALSE(m.PieArrow1->arrow().Visible());
}

TEST_F(WorldMap, EveryEntryHasAMarkInsideThePicture) {
  int pointers = 0, rings = 0;
  for (size_t i = 0; i < DxccPositionList.size(); ++i) {
    std::optional<MapMark> mark;
    ASSERT_NO_THROW(mark = ParseMapMark(DxccPositionList[i])) << DxccPositionList[i];
    ASSERT_TRUE(mark) << i;
    (mark->kind == MapMark::Pointer ? pointers : rings)++;
    EXPECT_GE(mark->x, 0) << DxccSearchList[i];
    // A ring is drawn right of its dot, a pointer's arrow left of it.
    EXPECT_LE(mark->x, mark->kind == MapMark::Ring ? 1133 - 37 : 1132) << DxccSearchList[i];
    EXPECT_GE(mark->y, 26) << DxccSearchList[i];
    EXPECT_LE(mark->y, 537) << DxccSearchList[i];
    // The position text begins with its entry's prefix.
    std::string entry = DxccSearchList[i];
    std::string prefix = entry.substr(0, entry.find("  "));
    EXPECT_EQ(std::string(DxccPositionList[i]).rfind(prefix, 0), 0u) << i;
  }
  EXPECT_GT(pointers, 300);
  EXPECT_GT(rings, 60);
}

TEST_F(WorldMap, MaltaArrowTipLiesOnMalta) {
  TWorldMap& m = Open();
  Choose(m, "1A0  Malta");
  const QImage shot = m.Panel3->render();
  const Point tip = Tip(m);
  // The picture under the tip (without the arrow) is land: the map's sea is a pale blue whose
  // blue stands well above its red, its land tan or grey.
  const Rgb under = m.Image1->picture().at(tip.x, tip.y);
  const int red = (under >> 16) & 0xFF, blue = under & 0xFF;
  EXPECT_LT(blue - red, 30) << "the tip points at sea: " << std::hex << under;
  const Rgb openSea = m.Image1->picture().at(590, 158);  // the Ionian Sea
  EXPECT_GE((int)(openSea & 0xFF) - (int)((openSea >> 16) & 0xFF), 30) << "the sea test tells sea";
  EXPECT_EQ(shot.pixel(tip.x, tip.y), qRgb(0, 0, 128));
}

}  // namespace
}  // namespace kestrel::testing
