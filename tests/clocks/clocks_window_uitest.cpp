#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <fstream>
#include <iterator>

#include "clocks/ClkUnit2.h"
#include "clocks/clock_text.h"
#include "core/text_file.h"
#include "platform/guard.h"
#include "support/program_fixture.h"

namespace kestrel::testing {
namespace {

class ClocksWindow : public ProgramFixture {
 protected:
  std::string ReadBytes(const char* name) {
    std::ifstream in(folder / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteClocks(const std::string& flagLine, std::vector<std::string> names) {
    std::string text = flagLine + "\r\n";
    names.resize(24);
    for (const auto& n : names) text += n + "\r\n";
    WriteFile("tms.kestrel", text);
  }
  void At(int h, int m) { doubles.clock->utc = QDateTime(QDate(2024, 1, 15), QTime(h, m), Qt::UTC); }
  // The user types into a name box with the window active.
  void Type(TClock2& c, int clock, const char* text) {
    c.FormActivate();
    c.Edits[clock]->setText(text);
  }
};

TEST_F(ClocksWindow, LayoutAndFirstRunWithoutAFile) {
  At(10, 7);
  Start();
  TClock2& c = *windows().Clock2;
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_EQ(c.windowTitle(), "Clocks");
  EXPECT_EQ(c.size(), QSize(414, 348));
  EXPECT_EQ(c.Panels[0]->geometry(), QRect(2, 44, 98, 22));
  EXPECT_EQ(c.Edits[0]->geometry(), QRect(3, 67, 96, 15));
  EXPECT_EQ(c.Panels[23]->geometry(), QRect(314, 284, 98, 22));
  EXPECT_EQ(c.Edits[23]->geometry(), QRect(315, 307, 96, 15));
  EXPECT_EQ(c.Edit0->text(), "       Home Time");
  EXPECT_EQ(c.Edit26->text(), "            GMT");
  EXPECT_EQ(c.ClockFlagLine, kClockFlagLineStart);
  EXPECT_TRUE(c.SpeedButton1->isEnabled());
  EXPECT_FALSE(c.SpeedButton2->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(folder / "tms.kestrel"));
  // The first Reset writes the file.
  Type(c, 0, "India   [5.5]");
  c.SpeedButton2Click();
  const std::string start = std::string(kClockFlagLineStart) + "\r\nIndia   [5.5]\r\n";
  EXPECT_EQ(ReadBytes("tms.kestrel").substr(0, start.size()), start);
  EXPECT_EQ(SplitLines(ReadBytes("tms.kestrel")).size(), 25u);
  EXPECT_EQ(c.Panels[0]->caption(), "3:37 PM");
}

TEST_F(ClocksWindow, ClocksShowTheirPlacesAtEachNewMinute) {
  WriteClocks(kClockFlagLineStart, {"India   [5.5]", "Bayside   [-6]", "St. Louis [-6]", "No brackets"});
  At(10, 7);
  Start();
  TClock2& c = *windows().Clock2;
  EXPECT_EQ(c.Panels[0]->caption(), "3:37 PM");
  EXPECT_EQ(c.Panels[1]->caption(), "4:07 AM");
  EXPECT_EQ(c.Panels[2]->caption(), "00: 00");
  EXPECT_EQ(c.Edits[2]->palette().color(QPalette::Base), QColor(255, 0, 0));
  EXPECT_EQ(c.Panels[3]->caption(), "");
  // The home clock's time requests drive the minute tick.
  c.RxClock2GetTime();
  EXPECT_EQ(c.Panel25->caption(), "10: 07 AM");
  At(10, 8);
  c.RxClock2GetTime();
  EXPECT_EQ(c.Panels[0]->caption(), "3:38 PM");
  // The same minute again: nothing is evaluated (a changed switch shows only at the next one).
  c.Tags[0] = 1;
  c.RxClock2GetTime();
  EXPECT_EQ(c.Panels[0]->caption(), "3:38 PM");
  At(10, 9);
  c.RxClock2GetTime();
  EXPECT_EQ(c.Panels[0]->caption(), "4:39 PM*");
  // While editing, the minutes do not update.
  Type(c, 1, "Bayside   [-5]");
  EXPECT_TRUE(c.ClocksEditing);
  EXPECT_FALSE(c.SpeedButton1->isEnabled());
  EXPECT_TRUE(c.SpeedButton2->isEnabled());
  At(10, 10);
  c.RxClock2GetTime();
  EXPECT_EQ(c.Panels[0]->caption(), "4:39 PM*");
  c.SpeedButton2Click();  // Reset evaluates, saves, and the next tick refreshes everything
  EXPECT_EQ(c.Panels[1]->caption(), "5:10 AM");
  EXPECT_FALSE(c.ClocksEditing);
  EXPECT_EQ(c.LastMinute, 99);
  c.RxClock2GetTime();
  EXPECT_EQ(c.LastMinute, 10);
}

TEST_F(ClocksWindow, MilitaryFormsForAllClocks) {
  WriteClocks(kClockFlagLineStart, {"India   [5.5]"});
  At(0, 5);
  Start();
  TClock2& c = *windows().Clock2;
  EXPECT_FALSE(c.RxClock2->twentyFourHour());  // a place clock shown in 12-hour form
  c.CheckBox1->click();
  EXPECT_FALSE(c.SpeedButton1->isEnabled());
  c.SpeedButton2Click();
  EXPECT_EQ(c.Panels[0]->caption(), "05: 35");
  EXPECT_TRUE(c.RxClock2->twentyFourHour());
  c.RxClock2GetTime();
  EXPECT_EQ(c.Panel25->caption(), "00: 05");
}

TEST_F(ClocksWindow, RejectedFractionWarnsOnceAndBlocksReset) {
  At(10, 7);
  Start();
  TClock2& c = *windows().Clock2;
  c.Panels[0]->setCaption("earlier");
  Type(c, 0, "Fourth [5.4]");
  // While the box is open a new minute arrives: no second box behind the first.
  doubles.messages->whileOpen = [&] {
    At(10, 8);
    c.ClocksEditing = false;
    c.RxClock2GetTime();
  };
  c.SpeedButton2Click();
  ASSERT_EQ(doubles.messages->shown.size(), 1u);
  EXPECT_EQ(doubles.messages->shown[0].text, "Decimal value must be .25, .5, or .75 in - 'Fourth [5.4]'");
  EXPECT_EQ(doubles.messages->shown[0].pointerAt, QPoint(970, 570));
  EXPECT_EQ(c.Panels[0]->caption(), "earlier");  // the panel keeps its caption
  EXPECT_FALSE(std::filesystem::exists(folder / "tms.kestrel")) << "nothing saved";
  EXPECT_TRUE(c.SpeedButton2->isEnabled());
}

TEST_F(ClocksWindow, TypingCountsOnlyWhileTheWindowIsActiveAndAgainAfterAReturn) {
  Start();
  TClock2& c = *windows().Clock2;
  c.show();
  MakeActive(&c);
  MakeActive(nullptr);  // the user goes to another program
  c.Edits[0]->setText("Tokyo [9]");
  EXPECT_FALSE(c.ClocksEditing) << "a change while the window is not active is not the user's";
  MakeActive(&c);  // and comes back
  c.Edits[1]->setText("Lima [-5]");
  EXPECT_TRUE(c.ClocksEditing);
  EXPECT_FALSE(c.SpeedButton1->isEnabled());
  EXPECT_TRUE(c.SpeedButton2->isEnabled());
}

TEST_F(ClocksWindow, SaveRules) {
  WriteClocks(kClockFlagLineStart, {"India   [5.5]", "Bayside   [-6]"});
  At(3, 0);
  TKestrel1& w = Start();
  TClock2& c = *windows().Clock2;
  // DS Time on Bayside, then Reset, then OK: Reset wrote the switch of the last OK (off).
  c.FormActivate();
  QTest::mousePress(c.Panels[1], Qt::RightButton);
  QTest::mouseRelease(c.Panels[1], Qt::RightButton);
  EXPECT_EQ(c.PopupPanelName, "Panel2");
  EXPECT_TRUE(c.StdTime1->isChecked());
  c.DSTime1->trigger();
  EXPECT_EQ(c.Tags[1], 1);
  c.SpeedButton2Click();
  EXPECT_EQ(c.Panels[1]->caption(), "10:00 PM*");
  EXPECT_FALSE(SwitchOn(ClocksFileLines(ReadClocksFile(SplitLines(ReadBytes("tms.kestrel"))))[0], 2));
  c.SpeedButton1Click();  // OK copies the switches into the flag line, writes nothing
  EXPECT_TRUE(SwitchOn(c.ClockFlagLine, 2));
  EXPECT_FALSE(SwitchOn(SplitLines(ReadBytes("tms.kestrel"))[0], 2));
  // Leaving through the system menu writes nothing...
  w.close();
  EXPECT_FALSE(SwitchOn(SplitLines(ReadBytes("tms.kestrel"))[0], 2));
  // ...the Close button does.
  program.reset();
  TKestrel1& again = Start();
  TClock2& c2 = *windows().Clock2;
  c2.Tags[0] = 1;
  c2.SpeedButton1Click();
  QTest::mouseClick(again.SpeedButton56, Qt::LeftButton);
  EXPECT_TRUE(SwitchOn(SplitLines(ReadBytes("tms.kestrel"))[0], 1));
}

TEST_F(ClocksWindow, FileRoundTripIsByteExact) {
  std::string flag = "10101111111111111111110000C000000000000001001000000000000xyz";
  WriteClocks(flag, {"India   [5.5]", "", "Caf\xE9 [1]", "Bayside   [-6]"});
  const std::string before = ReadBytes("tms.kestrel");
  TKestrel1& w = Start();
  EXPECT_TRUE(doubles.messages->shown.empty());
  QTest::mouseClick(w.SpeedButton56, Qt::LeftButton);
  EXPECT_EQ(ReadBytes("tms.kestrel"), before);
}

TEST_F(ClocksWindow, ShortFilesAreReadAsFarAsTheyGo) {
  WriteFile("tms.kestrel", "0000011111111111111111000011\r\nIndia   [5.5]\r\nBayside   [-6]\r\n");
  At(10, 7);
  TKestrel1& w = Start();
  TClock2& c = *windows().Clock2;
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_EQ(c.Panels[0]->caption(), "4:37 PM*");  // switch 1 on; evaluated at once
  EXPECT_EQ(c.Panels[1]->caption(), "4:07 AM");
  EXPECT_EQ(c.Edits[2]->text(), "");
  QTest::mouseClick(w.SpeedButton56, Qt::LeftButton);
  std::vector<std::string> lines = SplitLines(ReadBytes("tms.kestrel"));
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], "000001111111111111111100001100000000000000000000000");  // lengthened to 51
}

TEST_F(ClocksWindow, UnreadableFileIsReportedOnceByName) {
  std::filesystem::create_directories(folder / "tms.kestrel");
  TKestrel1& w = Start();
  w.FormActivate();
  ASSERT_EQ(doubles.messages->shown.size(), 1u);
  EXPECT_TRUE(doubles.messages->shown[0].text.contains("tms.kestrel"));
}

TEST_F(ClocksWindow, FailedWriteInResetStillLetsTheWindowClose) {
  WriteClocks(kClockFlagLineStart, {"India   [5.5]"});
  const std::string before = ReadBytes("tms.kestrel");
  Start();
  TClock2& c = *windows().Clock2;
  std::filesystem::create_directories(folder / "tms.kestrel.tmp");  // the new file cannot be made
  Type(c, 0, "India   [5.5] x");
  c.SpeedButton2Click();
  ASSERT_EQ(doubles.messages->shown.size(), 1u);
  EXPECT_EQ(doubles.messages->shown[0].kind, RecordedMessage::Error);
  EXPECT_TRUE(c.SpeedButton1->isEnabled());
  EXPECT_EQ(ReadBytes("tms.kestrel"), before);
}

TEST_F(ClocksWindow, OnlyOkClosesTheWindow) {
  Start();
  TClock2& c = *windows().Clock2;
  c.show();
  c.close();
  EXPECT_TRUE(c.isVisible());
  QTest::keyClick(&c, Qt::Key_Escape);
  EXPECT_TRUE(c.isVisible());
  c.SpeedButton1Click();
  EXPECT_FALSE(c.isVisible());
}

TEST_F(ClocksWindow, HelpShowsWhileThePointerIsOnIt) {
  Start();
  TClock2& c = *windows().Clock2;
  c.show();
  EXPECT_FALSE(c.Panel26->isVisible());
  emit c.RxLabel1->mouseEntered();
  EXPECT_TRUE(c.Panel26->isVisible());
  emit c.RxLabel1->mouseLeft();
  EXPECT_FALSE(c.Panel26->isVisible());
  c.SpeedButton1Click();
}

}  // namespace
}  // namespace kestrel::testing
