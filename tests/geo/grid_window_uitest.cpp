#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "geo/Unit2.h"
#include "platform/guard.h"
#include "support/program_fixture.h"

namespace kestrel::testing {
namespace {

class GridWindow : public ProgramFixture {
 protected:
  TGrid& Open(TKestrel1& w) {
    SetHome(w, 29.30L, 94.78L);  // N°29.18 W°94.47
    TGrid& g = *windows().Grid;
    g.show();
    g.FormActivate();
    return g;
  }
  void Coordinates(TGrid& g, const char* ns, const char* we) {
    g.RadioButton2->click();
    g.Edit2->setText(QString::fromLatin1(D(ns).c_str()));
    g.Edit3->setText(QString::fromLatin1(D(we).c_str()));
  }
  void Calc(TGrid& g) { guard([&] { g.SpeedButton54Click(); }); }
  std::string Note(TKestrel1& w) {  // status panel 0 after "Degrees:  H"
    const std::string& s = w.StatusBar1->panelText(0);
    size_t cut = s.find("   ", 10);
    return cut == std::string::npos ? "" : s.substr(cut + 3);
  }
};

TEST_F(GridWindow, Layout) {
  Start();
  TGrid& g = *windows().Grid;
  EXPECT_EQ(g.windowTitle(), "Grid / Coordinate Calc");
  EXPECT_EQ(g.size(), QSize(211, 146));
  EXPECT_EQ(g.Label3->text(), "Ex:  EL29  or  EL29AB");
  EXPECT_EQ(g.Label7->text(), "Double click boxes to change degrees.");
  EXPECT_EQ(g.Label8->text(), QString::fromLatin1(D("(Ex:  N°29.18    W°94.47)").c_str()));
  EXPECT_EQ(g.Edit2->text(), QString::fromLatin1(D("N°").c_str()));
  EXPECT_EQ(g.Edit3->text(), QString::fromLatin1(D("W°").c_str()));
  EXPECT_TRUE(g.RadioButton1->isChecked());
  EXPECT_EQ(g.SpeedButton54->text(), "Calc");
  EXPECT_EQ(g.SpeedButton1->text(), "Cancel");
  EXPECT_EQ(g.CoordinatesPage->geometry(), QRect(0, 0, 211, 97));
  EXPECT_EQ(g.LocatorPage->geometry(), QRect(0, 0, 211, 97));
}

TEST_F(GridWindow, CoordinatesAimAtThePlaceAndNameItsSquare) {
  struct Case { const char* ns; const char* we; const char* note; const char* locator; } cases[] = {
      {"N°29.18", "W°94.47", "   EL29    N°29.18\\W°94.47", "EL29"},
      {"n°29.18", "w°94.47", "   EL29    n°29.18\\w°94.47", "EL29"},  // shown as typed
      {"S°33.52", "E°151.13", "   QF56    S°33.52\\E°151.13", "QF56"},
  };
  for (const auto& c : cases) {
    TKestrel1& w = Start();
    TGrid& g = Open(w);
    Coordinates(g, c.ns, c.we);
    Calc(g);
    EXPECT_TRUE(doubles.messages->shown.empty()) << c.ns;
    EXPECT_EQ(Note(w), D(c.note));
    EXPECT_EQ(g.GridLocator, c.locator);
    EXPECT_FALSE(g.isVisible()) << "the window closes";
    EXPECT_FALSE(w.StatusBar1->panelText(1).empty()) << "the distance is shown";
    program.reset();
  }
}

TEST_F(GridWindow, LocatorAimsAtItsCorner) {
  TKestrel1& w = Start();
  TGrid& g = Open(w);
  g.Edit1->setText("el29");
  Calc(g);
  EXPECT_EQ(g.Edit1->text(), "EL29");
  EXPECT_EQ(Note(w), D("   EL29    N°29.00\\W°96.00"));
  EXPECT_FALSE(g.isVisible());
  // Home 29.30 N 94.78 W to 29.00 N 96.00 W: 1.22 deg of longitude and 0.3 of latitude,
  // about 123 km on a flat estimate, toward the west-south-west.
  EXPECT_EQ(w.StatusBar1->panelText(1), "123");
  EXPECT_GT((double)w.Bearing.Azimuth, 250);
  EXPECT_LT((double)w.Bearing.Azimuth, 262);
}

TEST_F(GridWindow, FaultsKeepTheWindowOpen) {
  struct Case {
    bool locator;
    const char* a;
    const char* b;
    const char* warning;
    bool centred;
  } cases[] = {
      {true, "EL2", "", "Grid description must be 4 or 6 characters in length.", false},
      {true, "EZ29", "", "Invalid Grid description - Z", false},
      {true, "el29ay", "", "Invalid Grid description - Y", false},
      {false, "N°", "W°94.47", "Invalid degrees: N°  W°94.47", true},
      {false, "N°29.18", "94.47", "No W° or E° degrees in selected record.", true},
      {false, "29.18", "W°94.47", "No N° or S° degrees in selected record.", true},
      {false, "N°29.18", "W°94.75", "Minutes must be between 00 and 59.", true},
      {false, "N°95.00", "W°94.47", "Latitude must be between 0 and 90 degrees.", true},
      {false, "N°29.18", "W°194.47", "Longitude must be between 0 and 180 degrees.", true},
  };
  TKestrel1& w = Start();
  TGrid& g = Open(w);
  for (const auto& c : cases) {
    doubles.messages->shown.clear();
    doubles.pointer->at = QPoint(5, 5);
    if (c.locator) {
      g.RadioButton1->click();
      g.Edit1->setText(c.a);
    } else {
      Coordinates(g, c.a, c.b);
    }
    Calc(g);
    ASSERT_EQ(doubles.messages->shown.size(), 1u) << c.a;
    EXPECT_EQ(doubles.messages->shown[0].kind, RecordedMessage::Warning);
    EXPECT_EQ(doubles.messages->shown[0].text, QString::fromLatin1(D(c.warning).c_str()));
    EXPECT_EQ(doubles.messages->shown[0].pointerAt, c.centred ? QPoint(970, 570) : QPoint(5, 5));
    EXPECT_TRUE(g.isVisible()) << c.a;
    EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  }
  g.close();
}

TEST_F(GridWindow, ZeroCoordinateShowsNoHeadingAndNoDistance) {
  TKestrel1& w = Start();
  TGrid& g = Open(w);
  g.Edit1->setText("EL29");
  Calc(g);
  ASSERT_FALSE(w.StatusBar1->panelText(1).empty());
  g.show();
  g.FormActivate();
  g.Edit1->setText("JJ00");
  Calc(g);
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  EXPECT_EQ(w.StatusBar1->panelText(1), "") << "not the distance of the heading before";
  EXPECT_EQ(w.PieArrow1->arrow().bounds(), (Bounds{121, 26, 14, 198}));
}

TEST_F(GridWindow, EnterInEveryBoxIsCalc) {
  for (int box = 0; box < 3; ++box) {
    TKestrel1& w = Start();
    TGrid& g = Open(w);
    QLineEdit* target = g.Edit1;
    if (box == 0) {
      g.Edit1->setText("EL29");
    } else {
      Coordinates(g, "N°29.18", "W°95.47");
      target = box == 1 ? g.Edit2 : g.Edit3;
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(target, &enter);
    EXPECT_FALSE(g.isVisible()) << box;
    EXPECT_NE(w.StatusBar1->panelText(0), "Degrees:") << box;
    EXPECT_EQ(target->text().contains('\r'), false);
    program.reset();
  }
}

TEST_F(GridWindow, OpeningResetsTheMainWindowAndCancelLeavesItSo) {
  TKestrel1& w = Start();
  SetHome(w, 29.30L, 94.78L);
  w.StateButtonClick(43);
  w.ComboBox2->hidePopup();
  doubles.modal->onShow = [&](QDialog& d) {
    auto& g = static_cast<TGrid&>(d);
    g.show();
    g.FormActivate();
    g.SpeedButton1->click();  // Cancel
  };
  w.SpeedButton61Click();
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  EXPECT_EQ(w.StatusBar1->panelText(1), "");  // the Grid window empties it after the reset
  EXPECT_EQ(w.Label73->text(), "Degrees:");
  EXPECT_EQ(w.ComboBox2->currentText(), QString::fromLatin1(D("Grid/N°S° Calculation").c_str()));
  EXPECT_EQ(w.ComboBox2->count(), 0);
  EXPECT_EQ(w.Panel5->pos(), QPoint(128, 33));
  EXPECT_EQ(w.Panel3->pos(), QPoint(128, 217));
  EXPECT_TRUE(w.SpeedButton61->isBold());
  // The window keeps its mode and texts between showings.
  TGrid& g = *windows().Grid;
  g.RadioButton2->click();
  g.Edit2->setText("S");
  g.FormActivate();
  EXPECT_TRUE(g.RadioButton2->isChecked());
  EXPECT_EQ(g.Edit2->text(), "S");
}

TEST_F(GridWindow, DoubleClickTogglesTheHemisphere) {
  Start();
  TGrid& g = *windows().Grid;
  g.show();
  g.RadioButton2->click();
  g.Edit2->setText(QString::fromLatin1(D("N°29.18").c_str()));
  QTest::mouseDClick(g.Edit2, Qt::LeftButton);
  EXPECT_EQ(g.Edit2->text(), QString::fromLatin1(D("S°29.18").c_str()));
  g.Edit3->setText("");
  QTest::mouseDClick(g.Edit3, Qt::LeftButton);
  EXPECT_EQ(g.Edit3->text(), QString::fromLatin1(D("W°").c_str()));
  g.close();
}

}  // namespace
}  // namespace kestrel::testing
