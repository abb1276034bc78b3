#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>

#include "app/state_table.h"
#include "core/text.h"
#include "home/Unit3.h"
#include "platform/guard.h"
#include "support/program_fixture.h"

namespace kestrel::testing {
namespace {

using MainWindow = ProgramFixture;

TEST_F(MainWindow, LayoutAsTheProgramDrawsIt) {
  TKestrel1& w = Start();
  EXPECT_EQ(w.windowTitle(), "Amateur Radio Kestrel");
  EXPECT_EQ(w.size(), QSize(462, 336));
  struct Place { QWidget* control; QRect rect; } places[] = {
      {w.ToolBar1, {0, 0, 462, 25}},      {w.Panel7, {0, 2, 249, 18}},
      {w.SpeedButton52, {418, 2, 21, 17}}, {w.SpeedButton53, {439, 2, 21, 17}},
      {w.Panel2, {6, 30, 255, 255}},
      {w.Panel1, {267, 30, 3, 256}},      {w.ComboBox2, {279, 31, 174, 23}},
      {w.SpeedButton62, {454, 32, 8, 19}}, {w.Panel4, {277, 55, 178, 171}},
      {w.Panel9, {277, 232, 178, 25}},    {w.CurrencyEdit2, {319, 235, 41, 21}},
      {w.CurrencyEdit1, {413, 235, 41, 21}}, {w.Panel6, {277, 263, 178, 22}},
      {w.Panel22, {6, 292, 449, 21}},     {w.StatusBar1, {0, 318, 462, 18}},
      {w.Panel8, {2, 321, 459, 13}},      // widened to 459 at creation
      {w.StateButtons[0], {2, 2, 24, 20}}, {w.StateButtons[6], {152, 2, 24, 20}},
      {w.StateButtons[7], {2, 23, 24, 20}}, {w.StateButtons[48], {152, 128, 24, 20}},
      {w.StateButtons[49], {152, 149, 24, 20}}, {w.SpeedButton61, {2, 149, 74, 20}},
      {w.SpeedButton51, {77, 149, 74, 20}},
  };
  for (const auto& p : places) EXPECT_EQ(p.control->geometry(), p.rect) << p.control->objectName().toStdString();
  EXPECT_EQ(w.Image1->bounds(), (Bounds{2, 2, 251, 251}));
  // The arrow points north at start.
  EXPECT_EQ(w.PieArrow1->arrow().bounds(), (Bounds{121, 26, 14, 198}));

  struct Command { TSpeedButton* b; int x, width; const char* caption; QColor color; } cmds[] = {
      {w.SpeedButton55, 2, 74, "Preferences", colors::Navy}, {w.SpeedButton56, 78, 58, "Close", colors::Maroon},
      {w.SpeedButton57, 138, 60, "US Map", colors::Navy},   {w.SpeedButton58, 200, 60, "World Map", colors::Navy},
      {w.SpeedButton59, 262, 60, "US Bands", colors::Navy}, {w.SpeedButton63, 324, 60, "Clocks", colors::Navy},
      {w.SpeedButton60, 386, 60, "Clear", colors::White},
  };
  for (const auto& c : cmds) {
    EXPECT_EQ(c.b->mapTo(w.Panel22, QPoint(0, 0)).x(), c.x) << c.caption;
    EXPECT_EQ(c.b->size(), QSize(c.width, 16)) << c.caption;
    EXPECT_EQ(c.b->text(), c.caption);
    EXPECT_EQ(c.b->fontColor(), c.color) << c.caption;
  }
  for (int n = 1; n <= 50; ++n) {
    EXPECT_EQ(w.StateButtons[n - 1]->text(), QString::fromLatin1(StateCentreTable[n - 1].code));
    EXPECT_EQ(w.StateButtons[n - 1]->toolTip(), QString::fromLatin1(StateCentreTable[n - 1].name));
  }
  EXPECT_EQ(w.SpeedButton61->text(), QString::fromLatin1("GRID/N\xB0S\xB0"));
  EXPECT_EQ(w.ComboBox2->currentText(), "DXCC / Country / City List");
  ASSERT_EQ(w.ComboBox2->count(), 1);
  EXPECT_EQ(w.ComboBox2->itemText(0), "Click on a state or dxcc first.");
  EXPECT_EQ(w.ComboBox2->maxVisibleItems(), 13);
  EXPECT_FALSE(w.SpeedButton62->isVisible());
  EXPECT_FALSE(w.Panel8->isVisible());
  EXPECT_FALSE(w.Label74->isVisible());
  EXPECT_FALSE(w.CurrencyEdit1->isVisible());
  EXPECT_FALSE(w.Edit1->isEnabled());
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  EXPECT_EQ(w.StatusBar1->panelWidth(0), 390);
  EXPECT_EQ(w.StatusBar1->panelText(1), "Distance:");
  EXPECT_EQ(w.StatusBar1->panelWidth(1), 50);
  EXPECT_EQ(w.Label5->text(), "Rise");
  EXPECT_EQ(w.Label7->text(), "Set");
  EXPECT_EQ(w.Timer1->interval(), 100);
  EXPECT_EQ(w.Timer2->interval(), 1000);
  EXPECT_EQ(w.PlaceList.size(), 4u);  // the place file was loaded at creation
  EXPECT_TRUE(doubles.messages->shown.empty());
}

TEST_F(MainWindow, StateButtonShowsTheHeadingToTheStateCentre) {
  TKestrel1& w = Start();
  SetHome(w, 30.00L, 90.00L);
  QTest::mouseClick(w.StateButtons[0], Qt::LeftButton);  // Alabama
  ASSERT_TRUE(doubles.messages->shown.empty());
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:  51.2   Central Alabama");
  EXPECT_EQ(w.Label73->text(), "Degrees:  51.2");
  EXPECT_EQ(w.Label74->text(), "  (231.2)");
  EXPECT_EQ(w.Panel8->caption(), "Degrees:  51.2   Central Alabama");
  EXPECT_EQ(w.StatusBar1->panelText(1), "");  // a state centre shows no distance
  // The arrow is set for the even whole heading at or above the heading.
  EXPECT_EQ((double)w.Bearing.Azimuth, 52.0);
  // The place box holds that state's cities, its list open, and the button is highlighted.
  ASSERT_EQ(w.ComboBox2->count(), 2);
  EXPECT_EQ(w.ComboBox2->itemText(0), QString::fromLatin1(D("Birmingham  N°33.31\\W°86.48").c_str()));
  EXPECT_TRUE(w.ComboBox2->droppedDown());
  EXPECT_EQ(w.Timer1->interval(), 100);
  EXPECT_TRUE(w.ListNotByPrefix);
  EXPECT_TRUE(w.PlaceButtonUsed);
  for (TSpeedButton* b : w.findChildren<TSpeedButton*>()) {
    bool lit = b == w.StateButtons[0];
    if (b == w.SpeedButton56 || b == w.SpeedButton60) continue;
    EXPECT_EQ(b->isBold(), lit) << b->objectName().toStdString();
    EXPECT_EQ(b->fontColor(), lit ? colors::Maroon : colors::Navy) << b->objectName().toStdString();
  }
  EXPECT_EQ(w.SpeedButton56->fontColor(), colors::Maroon);
  EXPECT_EQ(w.SpeedButton60->fontColor(), colors::White);
  w.ComboBox2->hidePopup();
}

TEST_F(MainWindow, EveryStateButtonNamesItsState) {
  TKestrel1& w = Start();
  SetHome(w, 29.30L, 94.78L);
  for (int n = 1; n <= 50; ++n) {
    w.StateButtonClick(n);
    w.ComboBox2->hidePopup();
    const std::string note = n == 42 ? "Central Tennnessee" : std::string("Central ") + StateCentreTable[n - 1].name;
    const std::string& status = w.StatusBar1->panelText(0);
    EXPECT_EQ(status.substr(0, 10), "Degrees:  ") << n;
    EXPECT_EQ(status.substr(status.size() - note.size() - 3), "   " + note) << n;
    EXPECT_TRUE(w.StateButtons[n - 1]->isBold()) << n;
  }
}

TEST_F(MainWindow, UnsetHomeIsReportedInWordsAndChangesNothing) {
  TKestrel1& w = Start();
  guard([&] { w.StateButtonClick(43); });
  ASSERT_EQ(doubles.messages->shown.size(), 1u);
  EXPECT_EQ(doubles.messages->shown[0].kind, RecordedMessage::Error);
  EXPECT_EQ(doubles.messages->shown[0].text, "The home position is not set. Enter it under Preferences.");
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  EXPECT_FALSE(w.PlaceButtonUsed);
  EXPECT_FALSE(w.StateButtons[42]->isBold());
}

TEST_F(MainWindow, DxccResetsTheHeadingAndOffersTheCountries) {
  TKestrel1& w = Start();
  SetHome(w, 30.00L, 90.00L);
  w.StateButtonClick(43);
  w.ComboBox2->hidePopup();
  w.SpeedButton51Click();
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  EXPECT_EQ(w.Label73->text(), "Degrees:");
  EXPECT_EQ(w.Label74->text(), "");
  EXPECT_EQ(w.StatusBar1->panelText(1), "");
  EXPECT_TRUE(w.SpeedButton62->isVisible());
  EXPECT_FALSE(w.ListNotByPrefix);
  EXPECT_TRUE(w.SpeedButton51->isBold());
  EXPECT_FALSE(w.StateButtons[42]->isBold());
  ASSERT_EQ(w.ComboBox2->count(), 1);
  EXPECT_EQ(w.ComboBox2->itemText(0), QString::fromLatin1(D("1A0  Malta (N°35.53\\E°14.30)").c_str()));
  w.ComboBox2->hidePopup();
}

TEST_F(MainWindow, ClearAndResetReturnToTheIdleDisplay) {
  TKestrel1& w = Start();
  SetHome(w, 30.00L, 90.00L);
  w.StateButtonClick(1);
  w.ComboBox2->hidePopup();
  w.SpeedButton60Click();  // Clear
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  EXPECT_EQ(w.StatusBar1->panelText(1), "Distance:");
  EXPECT_EQ(w.Label73->text(), "Degrees:");
  EXPECT_EQ(w.Label74->text(), "");
  EXPECT_EQ(w.ComboBox2->currentText(), "DXCC / Country / City List");
  ASSERT_EQ(w.ComboBox2->count(), 1);
  EXPECT_EQ(w.ComboBox2->itemText(0), "Click on state or dxcc first.");
  EXPECT_FALSE(w.StateButtons[0]->isBold());
  EXPECT_EQ(w.SpeedButton56->fontColor(), colors::Maroon);
  EXPECT_EQ(w.SpeedButton60->fontColor(), colors::White);
  // Clear keeps what the place buttons set.
  EXPECT_TRUE(w.PlaceButtonUsed);
  EXPECT_TRUE(w.ListNotByPrefix);

  w.StateButtonClick(1);
  w.ComboBox2->hidePopup();
  w.SpeedButton55Click();  // Preferences resets the place display, then opens Home Parameters
  ASSERT_EQ(doubles.modal->shownTitles.size(), 1u);
  EXPECT_EQ(doubles.modal->shownTitles[0], "Home Parameters");
  EXPECT_EQ(w.ComboBox2->itemText(0), "Click on a state or dxcc first.");
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  EXPECT_EQ(w.StatusBar1->panelText(1), "Distance:");
  EXPECT_FALSE(w.StateButtons[0]->isBold());
}

TEST_F(MainWindow, GridButtonIsHighlightedOnlyOnceTheGridWindowHasClosed) {
  TKestrel1& w = Start();
  bool boldWhileOpen = true;
  doubles.modal->onShow = [&](QDialog&) { boldWhileOpen = w.SpeedButton61->isBold(); };
  w.SpeedButton61Click();
  EXPECT_EQ(doubles.modal->shownTitles.back(), "Grid / Coordinate Calc");
  EXPECT_FALSE(boldWhileOpen);
  EXPECT_TRUE(w.SpeedButton61->isBold());
}

TEST_F(MainWindow, CommandButtonsOpenTheirWindowsModally) {
  TKestrel1& w = Start();
  QTest::mouseClick(w.SpeedButton57, Qt::LeftButton);
  QTest::mouseClick(w.SpeedButton58, Qt::LeftButton);
  QTest::mouseClick(w.SpeedButton59, Qt::LeftButton);
  QTest::mouseClick(w.SpeedButton63, Qt::LeftButton);
  QTest::mouseClick(w.SpeedButton52, Qt::LeftButton);
  std::vector<QString> expected = {"US Call Map", "World Map", "US Amateur Bands", "Clocks",
                                   " Amateur Radio Kestrel About..."};
  EXPECT_EQ(doubles.modal->shownTitles, expected);
}

TEST_F(MainWindow, LongPathToggleOnDoubleClick) {
  TKestrel1& w = Start();
  THome* home = windows().Home;
  w.Label73DblClick();  // nothing shown yet: nothing happens
  EXPECT_FALSE(w.LongPathToggle);
  // Heading 180.0 exactly (due south): the long path 0.0 does not tick the option.
  SetHome(w, 40.0L, 90.0L);
  w.BreakOutCity("00~", "", 40.0L, 90.0L, 30.0L, 90.0L);
  EXPECT_EQ(w.Label73->text(), "Degrees:  180.0");
  w.Label73DblClick();
  EXPECT_TRUE(w.LongPathToggle);
  EXPECT_TRUE(w.Label74->isVisible());
  EXPECT_FALSE(home->longPath());
  w.Label73DblClick();
  EXPECT_FALSE(w.Label74->isVisible());
  // Any other heading ticks "Display Long Path", whose own handler shows the label.
  w.BreakOutCity("00~", "", 40.0L, 90.0L, 30.0L, 80.0L);
  w.Label73DblClick();
  EXPECT_TRUE(home->longPath());
  EXPECT_TRUE(w.Label74->isVisible());
  w.Label73DblClick();
  EXPECT_FALSE(home->longPath());
  EXPECT_FALSE(w.Label74->isVisible());
}

TEST_F(MainWindow, ZeroCoordinateResetsTheDisplayAndLeavesNoDistance) {
  TKestrel1& w = Start();
  w.BreakOutCity("00~", "   Somewhere", 30.0L, 90.0L, 29.3L, 94.78L);
  w.DistanceDisplay();
  // 468.5 km on a flat estimate (0.70 deg of latitude, 4.78 deg of longitude at 29.65 N).
  EXPECT_EQ(w.StatusBar1->panelText(1), "469");
  w.BreakOutCity("00~", "   Null Island", 30.0L, 90.0L, 0.0L, 0.0L);
  w.DistanceDisplay();
  EXPECT_EQ(w.StatusBar1->panelText(0), "Degrees:");
  EXPECT_EQ(w.StatusBar1->panelText(1), "");  // not the distance of the earlier heading
}

TEST_F(MainWindow, ToolbarClocksChangeAtEachNewUtcMinute) {
  TKestrel1& w = Start();
  doubles.clock->utc = QDateTime(QDate(2024, 1, 15), QTime(13, 5), Qt::UTC);
  doubles.clock->local = QDateTime(QDate(2024, 1, 15), QTime(7, 5));
  w.Timer2Timer();
  EXPECT_EQ(w.Label3->text(), "1:05P");
  EXPECT_EQ(w.Label6->text(), "7:05A");
  // The same minute again changes nothing, even with another format chosen.
  w.PrefsFlags[1] = '1';
  w.Timer2Timer();
  EXPECT_EQ(w.Label3->text(), "1:05P");
  doubles.clock->utc = QDateTime(QDate(2024, 1, 15), QTime(0, 6), Qt::UTC);
  doubles.clock->local = QDateTime(QDate(2024, 1, 14), QTime(18, 6));
  w.Timer2Timer();
  EXPECT_EQ(w.Label3->text(), "00:06");
  EXPECT_EQ(w.Label6->text(), "18:06");
}

TEST_F(MainWindow, ClockTickAtMinuteZeroWaitsForTheNextMinute) {
  TKestrel1& w = Start();
  doubles.clock->utc = QDateTime(QDate(2024, 1, 15), QTime(10, 0), Qt::UTC);
  w.Timer2Timer();
  EXPECT_EQ(w.Label3->text(), "Clock");
}

TEST_F(MainWindow, StatusBarWidensOnlyForLongHeadingTexts) {
  TKestrel1& w = Start();
  QFontMetrics fm(w.font());
  // Grow a note until the heading text is just over the threshold width.
  std::string note;
  std::string text;
  do {
    note += "i";
    text = "Degrees:  123.4   " + note;
  } while (fm.horizontalAdvance(L1(text)) <= 382);
  std::string shorter = text.substr(0, text.size() - 1);
  ASSERT_LE(fm.horizontalAdvance(L1(shorter)), 382);

  w.StatusBar1->setPanelText(0, shorter);
  w.StatusBar1DblClick();
  EXPECT_EQ(w.StatusBar1->panelWidth(0), 390);
  EXPECT_FALSE(w.Panel8->isVisible());

  w.StatusBar1->setPanelText(0, text);
  w.StatusBar1DblClick();
  EXPECT_EQ(w.StatusBar1->panelWidth(0), 500);
  EXPECT_TRUE(w.Panel8->isVisible());

  w.Panel8DblClick();
  EXPECT_EQ(w.StatusBar1->panelWidth(0), 390);
  EXPECT_FALSE(w.Panel8->isVisible());

  // A new minute also undoes the widening.
  w.StatusBar1DblClick();
  doubles.clock->utc = doubles.clock->utc.addSecs(60);
  w.Timer2Timer();
  EXPECT_FALSE(w.Panel8->isVisible());
  EXPECT_EQ(w.StatusBar1->panelWidth(0), 390);
}

TEST_F(MainWindow, AmpersandInANoteShowsOnceInTheOverlay) {
  TKestrel1& w = Start();
  w.BreakOutCity("00~", "   Trinidad & Tobago", 30.0L, 90.0L, 10.5L, 61.3L);
  EXPECT_NE(w.StatusBar1->panelText(0).find("Trinidad & Tobago"), std::string::npos);
  EXPECT_NE(w.Panel8->caption().find("Trinidad && Tobago"), std::string::npos);
  EXPECT_EQ(CaptionDisplayText(w.Panel8->caption()), w.StatusBar1->panelText(0));
}

TEST_F(MainWindow, HideKeepsTheWindowReachable) {
  TKestrel1& w = Start();
  w.SpeedButton53Click();
  if (QSystemTrayIcon::isSystemTrayAvailable()) {
    EXPECT_FALSE(w.isVisible());
    w.RxTrayIcon1Click();
    EXPECT_TRUE(w.isVisible());
  } else {
    // No tray to bring it back from: the window is minimised, not hidden.
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isMinimized());
  }
}

TEST_F(MainWindow, MissingPlaceFileIsReportedAndTheProgramRunsOn) {
  std::filesystem::remove(folder / "states.txt");
  TKestrel1& w = Start();
  ASSERT_EQ(doubles.messages->shown.size(), 1u);
  EXPECT_EQ(doubles.messages->shown[0].kind, RecordedMessage::Error);
  EXPECT_TRUE(doubles.messages->shown[0].text.contains("states.txt"));
  EXPECT_TRUE(w.PlaceList.empty());
  SetHome(w, 30.0L, 90.0L);
  w.StateButtonClick(1);
  EXPECT_EQ(w.ComboBox2->count(), 0);
  w.ComboBox2->hidePopup();
}

TEST_F(MainWindow, CloseButtonClosesTheMainWindow) {
  TKestrel1& w = Start();
  QTest::mouseClick(w.SpeedButton56, Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(w.PlaceList.empty());
}

}  // namespace
}  // namespace kestrel::testing

namespace kestrel::testing {
namespace {

TEST_F(ProgramFixture, StoreHomePairFillsTheFourHomeFields) {
  TKestrel1& w = Start();
  w.StoreHomePair(D("S°33.52"), D("E°151.13"), D("S°33.87\\E°151.22"));
  EXPECT_EQ(w.Edit1->text(), QString::fromLatin1(D("S°33.52").c_str()));
  EXPECT_EQ(w.Edit2->text(), QString::fromLatin1(D("E°151.13").c_str()));
  EXPECT_EQ(w.CurrencyEdit2->text(), "-33.87");
  EXPECT_EQ(w.CurrencyEdit1->text(), "-151.22");
  EXPECT_DOUBLE_EQ((double)w.ReadHomeField(*w.CurrencyEdit2), -33.87);
  EXPECT_DOUBLE_EQ((double)w.ReadHomeField(*w.CurrencyEdit1), -151.22);
}

}  // namespace
}  // namespace kestrel::testing
