#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QKeyEvent>
#include <QTest>
#include <fstream>
#include <iterator>

#include "home/Unit3.h"
#include "home/zones.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "support/program_fixture.h"

namespace kestrel::testing {
namespace {

using HomeWindow = ProgramFixture;

std::string ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(HomeWindow, LayoutAndZoneList) {
  Start();
  THome& home = *windows().Home;
  EXPECT_EQ(home.windowTitle(), "Home Parameters");
  EXPECT_EQ(home.size(), QSize(186, 184));
  ASSERT_EQ(home.ComboBox1->count(), 93);
  for (int i = 0; i < 93; ++i) EXPECT_EQ(home.ComboBox1->itemText(i), QString::fromLatin1(ZoneOffsets[i].text));
  EXPECT_EQ(home.SpeedButton54->text(), "Save");
  EXPECT_EQ(home.CheckBox1->text(), "Display Long Path");
  EXPECT_EQ(home.CheckBox2->text(), "Display Military Time");
  EXPECT_EQ(home.RadioButton1->text(), "Miles");
  EXPECT_EQ(home.RadioButton2->text(), "Kilometers");
  // Without a preferences file neither distance unit is chosen: kilometres are shown.
  EXPECT_FALSE(home.RadioButton1->isChecked());
  EXPECT_FALSE(home.RadioButton2->isChecked());
  EXPECT_FALSE(home.miles());
}

TEST_F(HomeWindow, ZoneChoiceSetsTheOffset) {
  Start();
  THome& home = *windows().Home;
  struct Case { int index; double offset; const char* shown; } cases[] = {
      {1, -6, "-6"}, {48, -3.5, "-4"}, {74, 5.5, "6"}, {53, 0, ""}};
  for (const auto& c : cases) {
    home.ComboBox1->setCurrentIndex(c.index);  // as the user's choice
    EXPECT_EQ(home.ZoneIndex, c.index);
    EXPECT_EQ(home.gmtOffset(), c.offset) << c.index;
    EXPECT_EQ(home.CurrencyEditGMT3->text(), c.shown) << c.index;
  }
  // The next showing selects the entry again without touching the offset.
  home.ComboBox1->setCurrentIndex(1);
  home.setGmtOffset(2);
  home.ComboBox1->setCurrentIndex(5);
  home.ZoneIndex = 1;
  home.FormActivate();
  EXPECT_EQ(home.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(home.gmtOffset(), -5);  // entry 5's offset, from the user's last choice
  // Typing a text that names no entry leaves no entry selected; the offset stays.
  home.ComboBox1->lineEdit()->setText("somewhere");
  EXPECT_EQ(home.ZoneIndex, -1);
  EXPECT_EQ(home.gmtOffset(), -5);
}

TEST_F(HomeWindow, SaveChecksTheTextsInOrder) {
  TKestrel1& w = Start();
  THome& home = *windows().Home;
  struct Case { const char* lon; const char* lat; const char* warning; } cases[] = {
      {"W°94.5", "N°29.1", "Minutes must be two characters in length."},   // longitude first
      {"W°94.47", "N°29.1", "Minutes must be two characters in length."},
      {"W°94", "N°29.18", "Minutes must be two characters in length."},    // no "." at all
      {"W°94.47", "N°29.60", "Minutes must be between 00 and 59."},
      {"W°94.60", "N°29.6", "Minutes must be two characters in length."},  // lengths before ranges
      {"W°94.ab", "N°29.18", "Minutes must be between 00 and 59."},       // two letters: no number
      {"94.47", "N°29.18", "Invalid degrees: N°29.18  "},                   // no hemisphere marker
  };
  for (const auto& c : cases) {
    doubles.messages->shown.clear();
    home.show();
    home.Edit2->setText(QString::fromLatin1(D(c.lon).c_str()));
    home.Edit1->setText(QString::fromLatin1(D(c.lat).c_str()));
    guard([&] { home.SpeedButton54Click(); });
    ASSERT_EQ(doubles.messages->shown.size(), 1u) << c.lon << " " << c.lat;
    EXPECT_EQ(doubles.messages->shown[0].kind, RecordedMessage::Warning);
    EXPECT_EQ(doubles.messages->shown[0].text, QString::fromLatin1(D(c.warning).c_str()));
    EXPECT_EQ(doubles.messages->shown[0].pointerAt, QPoint(970, 570));  // centred warning
    EXPECT_TRUE(home.isVisible()) << "the window stays open";
    EXPECT_EQ(w.CurrencyEdit2->text(), "") << "nothing saved";
  }
  home.close();
}

TEST_F(HomeWindow, SaveStoresTheHomePosition) {
  TKestrel1& w = Start();
  THome& home = *windows().Home;
  struct Case { const char* lat; const char* lon; const char* latNum; const char* lonNum; } cases[] = {
      {"N°29.18", "W°94.47", "29.30", "94.78"},
      {"S°33.52", "E°151.13", "-33.87", "-151.22"},
  };
  for (const auto& c : cases) {
    home.show();
    home.Edit1->setText(QString::fromLatin1(D(c.lat).c_str()));
    home.Edit2->setText(QString::fromLatin1(D(c.lon).c_str()));
    QTest::mouseClick(home.SpeedButton54, Qt::LeftButton);
    EXPECT_TRUE(doubles.messages->shown.empty());
    EXPECT_FALSE(home.isVisible());
    EXPECT_EQ(w.Edit1->text(), QString::fromLatin1(D(c.lat).c_str()));
    EXPECT_EQ(w.Edit2->text(), QString::fromLatin1(D(c.lon).c_str()));
    EXPECT_EQ(w.CurrencyEdit2->text(), c.latNum);
    EXPECT_EQ(w.CurrencyEdit1->text(), c.lonNum);
  }
}

TEST_F(HomeWindow, LeavingWithoutSaveKeepsTheSavedTexts) {
  Start();
  THome& home = *windows().Home;
  home.setHomeTexts(D("N°29.18"), D("W°94.47"));
  home.show();
  home.Edit1->setText("garbage");
  home.close();
  EXPECT_EQ(home.latText(), D("N°29.18"));
}

TEST_F(HomeWindow, EditBoxesToggleHemispheresAndRefuseNonLatin1) {
  Start();
  THome& home = *windows().Home;
  home.show();
  home.Edit1->setText("");
  QTest::mouseDClick(home.Edit1, Qt::LeftButton);
  EXPECT_EQ(home.latText(), D("N°"));
  home.Edit1->setText(QString::fromLatin1(D("N°29.18").c_str()));
  QTest::mouseDClick(home.Edit1, Qt::LeftButton);
  EXPECT_EQ(home.latText(), D("S°29.18"));
  EXPECT_EQ(home.Edit1->cursorPosition(), home.Edit1->text().size());
  home.Edit2->setText(QString::fromLatin1(D("W°94.47").c_str()));
  QTest::mouseDClick(home.Edit2, Qt::LeftButton);
  EXPECT_EQ(home.lonText(), D("E°94.47"));

  home.Edit1->setFocus();
  home.Edit1->setText("N");
  home.Edit1->end(false);
  // "€°29" typed: the euro sign is no Latin-1 and is refused; the rest goes in.
  for (QString ch : {QString::fromUtf8("\xE2\x82\xAC"), QString(QChar(0xB0)), QString("2"), QString("9")}) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
    QApplication::sendEvent(home.Edit1, &press);
  }
  EXPECT_EQ(home.latText(), D("N°29"));
  home.close();
}

TEST_F(HomeWindow, LongPathOptionShowsTheMainWindowsLabel) {
  TKestrel1& w = Start();
  THome& home = *windows().Home;
  home.CheckBox1->setChecked(true);
  EXPECT_TRUE(w.Label74->isVisible());
  home.CheckBox1->setChecked(false);
  EXPECT_FALSE(w.Label74->isVisible());
}

// ---- The preferences file across runs ----

using Preferences = ProgramFixture;

TEST_F(Preferences, FirstRunWithoutAFileIsQuietAndCreatesIt) {
  TKestrel1& w = Start();
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_TRUE(w.FirstActivationDone);
  // The first activation went on to build the country-first DXCC list.
  EXPECT_EQ(w.ListBox1, std::vector<std::string>{D("Malta 1A0  (N°35.53\\E°14.30)")});
  EXPECT_EQ(w.Label5->text(), "Rise");
  EXPECT_EQ(w.Label7->text(), "Set");
  w.close();
  EXPECT_EQ(ReadBytes(folder / "prefs.kestrel"), "0000000000000000000\r\n\r\n\r\n0\r\n0\r\n");
}

TEST_F(Preferences, SettingsSurviveARestart) {
  TKestrel1& w = Start();
  THome& home = *windows().Home;
  home.show();
  home.Edit1->setText(QString::fromLatin1(D("N°29.18").c_str()));
  home.Edit2->setText(QString::fromLatin1(D("W°94.47").c_str()));
  home.ComboBox1->setCurrentIndex(1);  // Central, -6
  home.CheckBox1->setChecked(true);
  home.CheckBox2->setChecked(true);
  home.RadioButton1->setChecked(true);
  home.SpeedButton54Click();
  w.close();  // through the system menu: the preferences are written
  EXPECT_EQ(ReadBytes(folder / "prefs.kestrel"),
            D("1110000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n1\r\n"));

  program.reset();
  doubles.clock->local = QDateTime(QDate(2024, 1, 15), QTime(9, 0));
  TKestrel1& again = Start();
  THome& home2 = *windows().Home;
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_EQ(again.Edit1->text(), QString::fromLatin1(D("N°29.18").c_str()));
  EXPECT_EQ(again.Edit2->text(), QString::fromLatin1(D("W°94.47").c_str()));
  EXPECT_EQ(again.CurrencyEdit2->text(), "29.30");
  EXPECT_EQ(again.CurrencyEdit1->text(), "94.78");
  EXPECT_EQ(home2.latText(), D("N°29.18"));
  EXPECT_TRUE(home2.CheckBox1->isChecked());
  EXPECT_TRUE(home2.CheckBox2->isChecked());
  EXPECT_TRUE(home2.RadioButton1->isChecked());
  EXPECT_EQ(home2.gmtOffset(), -6);
  EXPECT_EQ(home2.ZoneIndex, 1);
  EXPECT_TRUE(again.Label74->isVisible());
  EXPECT_TRUE(again.MilitaryTime);
  // Sunrise and sunset at that home on 15 January 2024, in the military form of the option.
  EXPECT_EQ(again.Label5->text(), "07:14");
  EXPECT_EQ(again.Label7->text(), "17:42");
}

TEST_F(Preferences, SunTimesAtStartUp) {
  WriteFile("prefs.kestrel", D("0000000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n1\r\n"));
  doubles.clock->local = QDateTime(QDate(2024, 1, 15), QTime(9, 0));
  TKestrel1& w = Start();
  EXPECT_EQ(w.Label5->text(), "7:14A");
  EXPECT_EQ(w.Label7->text(), "5:42P");
  EXPECT_TRUE(doubles.messages->shown.empty());
}

TEST_F(Preferences, OptionCharactersFromTheFourthOnArePassedThrough) {
  const std::string file = D("0101101011011101110\r\nE°151.13\r\nS°33.52\r\n5.5\r\n74\r\n");
  WriteFile("prefs.kestrel", file);
  TKestrel1& w = Start();
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_EQ(w.CurrencyEdit2->text(), "-33.87");
  EXPECT_EQ(w.CurrencyEdit1->text(), "-151.22");
  EXPECT_TRUE(windows().Home->RadioButton2->isChecked());  // '0' in character 3: kilometres
  w.close();
  EXPECT_EQ(ReadBytes(folder / "prefs.kestrel"), file);  // byte for byte
}

TEST_F(Preferences, EmptyCoordinateLinesMeanNoHomeAndNoWarning) {
  WriteFile("prefs.kestrel", "1000000000000000000\r\n\r\n\r\n0\r\n0\r\n");
  TKestrel1& w = Start();
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_TRUE(windows().Home->CheckBox1->isChecked());
  EXPECT_TRUE(windows().Home->RadioButton2->isChecked());
  EXPECT_EQ(w.CurrencyEdit2->text(), "");
}

TEST_F(Preferences, BrokenFilesAreReportedOnceAndTheRestApplied) {
  struct Case {
    const char* file;
    RecordedMessage::Kind kind;
    const char* inMessage;
    bool homeSet;
  } cases[] = {
      {"1100000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n", RecordedMessage::Error, "has only 4 of its 5 lines", true},
      {"1100000000000000000\r\nW°94.47\r\nN°29.18\r\nminus six\r\n1\r\n", RecordedMessage::Error, "line 4", true},
      {"1100000000000000000\r\nW°94.47\r\nN°29.x8\r\n-6\r\n1\r\n", RecordedMessage::Warning, "Invalid degrees: N°29.x8  W°94.47", false},
      {"1100000000000000000\r\nW°94.75\r\nN°29.18\r\n-6\r\n1\r\n", RecordedMessage::Warning, "Minutes must be between 00 and 59.", false},
  };
  for (const auto& c : cases) {
    program.reset();
    doubles.messages->shown.clear();
    WriteFile("prefs.kestrel", D(c.file));
    TKestrel1& w = Start();
    ASSERT_EQ(doubles.messages->shown.size(), 1u) << c.file;
    EXPECT_EQ(doubles.messages->shown[0].kind, c.kind);
    EXPECT_TRUE(doubles.messages->shown[0].text.contains(QString::fromLatin1(D(c.inMessage).c_str())))
        << doubles.messages->shown[0].text.toStdString();
    EXPECT_TRUE(doubles.messages->shown[0].text.contains("prefs.kestrel"));
    EXPECT_TRUE(windows().Home->CheckBox1->isChecked()) << "line 1 applied";
    EXPECT_TRUE(w.MilitaryTime);
    EXPECT_EQ(!w.CurrencyEdit2->text().isEmpty(), c.homeSet) << c.file;
    EXPECT_EQ(w.ListBox1.size(), 1u) << "the first activation went on";
  }
  // A short file is written back whole at the end.
  program.reset();
  WriteFile("prefs.kestrel", D("11\r\nW°94.47\r\nN°29.18\r\n-6\r\n"));
  Start().close();
  EXPECT_EQ(ReadBytes(folder / "prefs.kestrel"), D("1100000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n0\r\n"));
}

TEST_F(Preferences, SeveralFaultsInOneFileMakeOneReport) {
  // Short, with a broken latitude and control bytes: one box that names all of it, readable.
  WriteFile("prefs.kestrel", D("11\r\nW°94.47\x01\r\nN°29.x8\r\n"));
  Start();
  ASSERT_EQ(doubles.messages->shown.size(), 1u);
  const QString text = doubles.messages->shown[0].text;
  EXPECT_TRUE(text.contains("has only 3 of its 5 lines")) << text.toStdString();
  EXPECT_TRUE(text.contains("Invalid degrees:")) << text.toStdString();
  EXPECT_FALSE(text.contains(QChar(1))) << "control bytes are shown as ?";
  EXPECT_EQ(windows().Kestrel1->Label5->text(), "Rise");  // no home, no sun times
}

TEST_F(Preferences, SecondActivationLoadsNothingAgain) {
  WriteFile("prefs.kestrel", D("0000000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n1\r\n"));
  TKestrel1& w = Start();
  WriteFile("prefs.kestrel", D("0000000000000000000\r\nE°10.00\r\nN°50.00\r\n1\r\n1\r\n"));
  w.FormActivate();
  EXPECT_EQ(w.CurrencyEdit2->text(), "29.30");
}

}  // namespace
}  // namespace kestrel::testing
