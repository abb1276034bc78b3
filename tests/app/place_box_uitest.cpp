#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "home/Unit3.h"

#include "core/text.h"
#include "platform/guard.h"
#include "support/program_fixture.h"

namespace kestrel::testing {
namespace {

class PlaceBox : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    WriteFile("states.txt",
              D("AL~Mobile  N°30.41\\W°88.02\r\n"
                "AL~birmingham  N°33.31\\W°86.48\r\n"
                "al~Lower Case Key  N°31.00\\W°87.00\r\n"
                "TX~Houston  N°29.46\\W°95.22\r\n"
                "TX~Houston  N°29.46\\W°95.22\r\n"
                "TX~Beyond  N°29.75\\W°95.22\r\n"
                "TX~" + std::string(110, 'x') + "\r\n"
                "DX~DA-DL  Germany, Fed. Rep. of (N°51.10\\E°10.27)\r\n"
                "DX~1A0  Malta (N°41.54\\E°12.29)\r\n"
                "DX~OA-OC  Peru (S°12.30\\W°77.02)\r\n"
                "DX~BAD LINE N°10.00\\E°10.00\r\n"
                "DX~9Y-9Z  Trinidad & Tobago (N°10.30\\W°61.15)\r\n"));
  }
  QStringList Items(TKestrel1& w) {
    QStringList out;
    for (int i = 0; i < w.ComboBox2->count(); ++i) out << w.ComboBox2->itemText(i);
    return out;
  }
  // Chooses an entry as the user does: pick it in the open list, then let Timer1 take it.
  void Choose(TKestrel1& w, const QString& entry) {
    int row = w.ComboBox2->findText(entry);
    ASSERT_GE(row, 0) << entry.toStdString();
    w.ComboBox2->setCurrentIndex(row);
    w.ComboBox2->hidePopup();
    Activate(w);  // the offscreen platform does not hand the activation back from the list
    w.Timer1Timer();
    QApplication::processEvents();
  }
  void Type(TKestrel1& w, const QString& keys) { TypeInto(*w.ComboBox2, keys); }
  TKestrel1& StartWithHome() {
    TKestrel1& w = Start();
    Activate(w);
    SetHome(w, 29.30L, 94.78L);
    return w;
  }
};

TEST_F(PlaceBox, StateButtonListsItsCitiesSorted) {
  TKestrel1& w = StartWithHome();
  w.StateButtonClick(1);  // Alabama
  EXPECT_EQ(Items(w), (QStringList{QString::fromLatin1(D("birmingham  N°33.31\\W°86.48").c_str()),
                                   QString::fromLatin1(D("Mobile  N°30.41\\W°88.02").c_str())}));
  EXPECT_TRUE(w.ComboBox2->droppedDown());
  EXPECT_EQ(w.ComboBox2->currentText(), "");  // opening the list empties the text
  w.ComboBox2->hidePopup();
  w.StateButtonClick(43);  // Texas: a duplicate twice, a long entry cut at 100 characters
  QStringList tx = Items(w);
  EXPECT_EQ(tx.count(QString::fromLatin1(D("Houston  N°29.46\\W°95.22").c_str())), 2);
  EXPECT_TRUE(tx.contains(QString(100, 'x')));
  w.ComboBox2->hidePopup();
}

TEST_F(PlaceBox, ChoosingACityShowsHeadingAndDistance) {
  TKestrel1& w = StartWithHome();
  w.StateButtonClick(1);
  Choose(w, QString::fromLatin1(D("Mobile  N°30.41\\W°88.02").c_str()));
  EXPECT_TRUE(doubles.messages->shown.empty());
  const std::string& status = w.StatusBar1->panelText(0);
  EXPECT_EQ(status.substr(0, 10), "Degrees:  ");
  EXPECT_NE(status.find("      Mobile  N"), std::string::npos) << status;  // "   " + "   " + text
  // Galveston Bay to Mobile: 6.75 deg of longitude at 30 N and 1.38 deg of latitude, about
  // 668.5 km on a flat estimate; the heading is east-north-east.
  EXPECT_EQ(w.StatusBar1->panelText(1), "669");
  EXPECT_GT((double)w.Bearing.Azimuth, 70);
  EXPECT_LT((double)w.Bearing.Azimuth, 80);
  EXPECT_EQ(w.CoordPair, D("N°30.68\\W°88.03"));
  // The whole text is selected with its beginning in view.
  EXPECT_EQ(w.ComboBox2->lineEdit()->selectedText(), w.ComboBox2->currentText());
  EXPECT_EQ(w.ComboBox2->lineEdit()->cursorPosition(), 0);
  // Miles when the Home window says so.
  windows().Home->RadioButton1->setChecked(true);
  w.DistanceDisplay();
  EXPECT_EQ(w.StatusBar1->panelText(1), "416");
}

TEST_F(PlaceBox, SouthernAndEasternEntries) {
  TKestrel1& w = StartWithHome();
  w.SpeedButton51Click();
  Choose(w, QString::fromLatin1(D("OA-OC  Peru (S°12.30\\W°77.02)").c_str()));
  EXPECT_EQ(w.CoordPair, D("S°12.50\\W°77.03"));
  Choose(w, QString::fromLatin1(D("DA-DL  Germany, Fed. Rep. of (N°51.10\\E°10.27)").c_str()));
  EXPECT_EQ(w.CoordPair, D("N°51.17\\E°10.45"));
  EXPECT_EQ(w.StatusBar1->panelText(1), "8,497");
  EXPECT_TRUE(doubles.messages->shown.empty());
}

TEST_F(PlaceBox, ExitCases) {
  struct Case { const char* text; const char* warning; } cases[] = {
      {"Click on a state or dxcc first.", "No N° or S° degrees in selected record."},
      {"DXCC sorted by country.", "No N° or S° degrees in selected record."},
      {"Somewhere N°10.00", "No W° or E° degrees in selected record."},
      {"Beyond  N°29.75\\W°95.22", "Minutes must be between 00 and 59."},
      {"Typo  N°29.4x\\W°95.22", "Invalid degrees: N°29.4x  W°95.22"},
  };
  TKestrel1& w = StartWithHome();
  w.StateButtonClick(43);
  w.ComboBox2->hidePopup();
  for (const auto& c : cases) {
    doubles.messages->shown.clear();
    w.ComboBox2->setTextL1(D(c.text));
    w.ComboBox2Exit();
    ASSERT_EQ(doubles.messages->shown.size(), 1u) << c.text;
    EXPECT_EQ(doubles.messages->shown[0].text, QString::fromLatin1(D(c.warning).c_str()));
    EXPECT_EQ(doubles.messages->shown[0].pointerAt, QPoint(970, 570));
    EXPECT_EQ(w.StatusBar1->panelText(0).find("Degrees:  "), 0u) << "the state's heading stays";
  }
  // The other prompt restores the box's idle text.
  doubles.messages->shown.clear();
  w.ComboBox2->setTextL1("Click on state or dxcc first.");
  w.ComboBox2Exit();
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_EQ(w.ComboBox2->currentText(), "DXCC / Country / City List");
}

TEST_F(PlaceBox, NothingHappensBeforeAnyPlaceButton) {
  TKestrel1& w = StartWithHome();
  w.ComboBox2->setTextL1(D("Mobile  N°30.41\\W°88.02"));
  w.ComboBox2Exit();
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
}

TEST_F(PlaceBox, FocusLeavingTheBoxTakesTheChoice) {
  TKestrel1& w = StartWithHome();
  w.StateButtonClick(1);
  EXPECT_EQ(w.Timer1->interval(), 100);
  w.ComboBox2->setCurrentIndex(w.ComboBox2->findText(QString::fromLatin1(D("Mobile  N°30.41\\W°88.02").c_str())));
  w.ComboBox2->hidePopup();
  Activate(w);  // the offscreen platform does not hand the activation back from the list
  w.ComboBox2->setFocus();
  ASSERT_TRUE(w.ComboBox2->hasFocus());
  EXPECT_EQ(w.StatusBar1->panelText(1), "") << "the choice is taken only when the focus leaves";
  // Timer1 stops itself and moves the focus away once the list has closed.
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.Timer1->interval() == 0; }, 2000));
  EXPECT_FALSE(w.ComboBox2->hasFocus());
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.StatusBar1->panelText(1) == "669"; }, 2000))
      << "status panel 1 holds \"" << w.StatusBar1->panelText(1) << "\"";
}

TEST_F(PlaceBox, SortButtonSwitchesBetweenPrefixAndCountryOrder) {
  TKestrel1& w = StartWithHome();
  w.SpeedButton51Click();
  w.ComboBox2->hidePopup();
  EXPECT_EQ(Items(w).first(), QString::fromLatin1(D("1A0  Malta (N°41.54\\E°12.29)").c_str()));
  EXPECT_TRUE(Items(w).contains(QString::fromLatin1(D("BAD LINE N°10.00\\E°10.00").c_str())));
  w.SpeedButton62->click();
  EXPECT_TRUE(w.ListNotByPrefix);
  EXPECT_EQ(w.ComboBox2->currentText(), "DXCC sorted by country.");
  EXPECT_EQ(Items(w).first(), QString::fromLatin1(D("Germany, Fed. Rep. of DA-DL  (N°51.10\\E°10.27)").c_str()));
  EXPECT_EQ(Items(w).size(), 4) << "the malformed line is offered in prefix order only";
  EXPECT_TRUE(Items(w).contains(QString::fromLatin1(D("Trinidad & Tobago 9Y-9Z  (N°10.30\\W°61.15)").c_str())));
  // A state, then DXCC again: the button stays down while the box holds the prefix list.
  w.StateButtonClick(1);
  w.ComboBox2->hidePopup();
  w.SpeedButton51Click();
  w.ComboBox2->hidePopup();
  EXPECT_TRUE(w.SpeedButton62->isChecked());
  EXPECT_EQ(Items(w).first(), QString::fromLatin1(D("1A0  Malta (N°41.54\\E°12.29)").c_str()));
  w.SpeedButton62->click();
  EXPECT_FALSE(w.SpeedButton62->isChecked());
  EXPECT_EQ(w.ComboBox2->currentText(), "DXCC sorted by prefix.");
  EXPECT_FALSE(w.ListNotByPrefix);
  EXPECT_EQ(Items(w).size(), 5);
}

TEST_F(PlaceBox, TypedPrefixesJumpToTheirRange) {
  TKestrel1& w = StartWithHome();
  w.SpeedButton51Click();
  w.ComboBox2->hidePopup();
  Type(w, "dl");
  EXPECT_EQ(w.ComboBox2->currentText(), "DA");
  EXPECT_EQ(w.ComboBox2->lineEdit()->cursorPosition(), 2);
  EXPECT_TRUE(w.ComboBox2->droppedDown());
  EXPECT_EQ(w.ComboBox2->view()->currentIndex().row(),
            w.ComboBox2->findText(QString::fromLatin1(D("DA-DL  Germany, Fed. Rep. of (N°51.10\\E°10.27)").c_str())));
  Type(w, "1");
  EXPECT_EQ(w.ComboBox2->currentText(), "DA1");
  w.ComboBox2->hidePopup();

  struct Case { const char* pasted; const char* result; } cases[] = {
      {"EB6", "EA6"}, {"KH7", "KH6"}, {"HD8", "HD8"}, {"E5B", "E5B"}, {"DL1", "DL1"},
      {" DL", " DL"}, {"RA", "RA"}, {"", ""},
  };
  for (const auto& c : cases) {
    w.ComboBox2->setTextL1(c.pasted);  // a text that arrives whole
    EXPECT_EQ(w.ComboBox2->textL1(), c.result) << c.pasted;
    EXPECT_EQ(w.ComboBox2->lineEdit()->cursorPosition(), (int)std::string(c.result).size());
  }
}

TEST_F(PlaceBox, CityListsAndCountryOrderAreNotReplaced) {
  TKestrel1& w = StartWithHome();
  w.StateButtonClick(1);
  w.ComboBox2->hidePopup();
  Type(w, "dl");
  EXPECT_EQ(w.ComboBox2->currentText(), "DL");
  w.ComboBox2->hidePopup();
  w.SpeedButton51Click();
  w.ComboBox2->hidePopup();
  w.SpeedButton62->click();  // country order
  w.ComboBox2->setTextL1("DL");
  EXPECT_EQ(w.ComboBox2->currentText(), "DL");
  if (w.SpeedButton62->isChecked()) w.SpeedButton62->click();
}

TEST_F(PlaceBox, TypingMovesThePointerOffTheOpeningList) {
  TKestrel1& w = StartWithHome();
  w.SpeedButton51Click();
  w.ComboBox2->hidePopup();
  QPoint box = w.ComboBox2->mapToGlobal(QPoint(0, 0));
  doubles.pointer->at = box + QPoint(20, 100);  // where the list will open
  Type(w, "d");
  EXPECT_EQ(doubles.pointer->at, w.Panel1->mapToGlobal(QPoint(0, 100)));
  w.ComboBox2->hidePopup();
  doubles.pointer->at = box + QPoint(-5, 100);  // left of the box: stays
  Type(w, "x");
  EXPECT_EQ(doubles.pointer->at, box + QPoint(-5, 100));
  w.ComboBox2->hidePopup();
}

}  // namespace
}  // namespace kestrel::testing
