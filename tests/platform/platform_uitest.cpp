#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>
#include <vector>

#include "core/numbers.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "support/program_fixture.h"

namespace kestrel {
namespace {

TEST(Guard, ReportsTheFailureOnceAndEndsTheHandler) {
  ServiceDoubles d = InstallServiceDoubles("/tmp");
  bool after = false;
  guard([&] {
    StrToFloat("");
    after = true;
  });
  EXPECT_FALSE(after);
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].kind, RecordedMessage::Error);
  EXPECT_EQ(d.messages->shown[0].text, "'' is not a valid number.");
  // Abort ends the action without a second box.
  guard([] { throw Abort{}; });
  EXPECT_EQ(d.messages->shown.size(), 1u);
}

TEST(CentredWarning, MovesThePointerThenWarns) {
  ServiceDoubles d = InstallServiceDoubles("/tmp");
  struct Case { QRect desk; QPoint at; } cases[] = {
      {{0, 0, 1920, 1080}, {970, 570}},
      {{0, 0, 1025, 767}, {522, 413}},         // halves rounded toward zero
      {{-1280, 0, 3200, 1200}, {330, 630}},    // a desktop spanning two monitors
  };
  for (const auto& c : cases) {
    d.messages->shown.clear();
    d.pointer->desk = c.desk;
    CentredWarning(std::string("Minutes must be between 00 and 59."));
    ASSERT_EQ(d.messages->shown.size(), 1u);
    EXPECT_EQ(d.messages->shown[0].kind, RecordedMessage::Warning);
    EXPECT_EQ(d.messages->shown[0].pointerAt, c.at);  // moved before the box opened
    EXPECT_EQ(d.messages->shown[0].text, "Minutes must be between 00 and 59.");
  }
}

TEST(CurrencyEdit, ShowsTheFormattedValueAndNothingForZero) {
  TCurrencyEdit home("CurrencyEdit2", "00.00", nullptr);
  EXPECT_EQ(home.text(), "");
  home.setValue(29.3L);
  EXPECT_EQ(home.text(), "29.30");
  home.setValue(-151.22L);
  EXPECT_EQ(home.text(), "-151.22");
  home.setValue(5.5L);
  EXPECT_EQ(home.text(), "05.50");
  home.setValue(0);
  EXPECT_EQ(home.text(), "");
  TCurrencyEdit offset("CurrencyEditGMT3", "0", nullptr);
  offset.setValue(5.5L);
  EXPECT_EQ(offset.text(), "6");           // shown whole
  EXPECT_EQ((double)offset.value(), 5.5);  // kept exact
}

TEST(Timer, IntervalZeroMeansStopped) {
  TTimer t(100, nullptr);
  EXPECT_TRUE(t.running());
  QSignalSpy fired(&t, &TTimer::timeout);
  EXPECT_TRUE(fired.wait(1000));
  t.setInterval(0);
  EXPECT_FALSE(t.running());
  fired.clear();
  QTest::qWait(250);
  EXPECT_EQ(fired.count(), 0);
  t.setInterval(50);
  EXPECT_TRUE(t.running());
  EXPECT_TRUE(fired.wait(1000));
}

TEST(ComboBox, SortedBoxKeepsCaseInsensitiveOrderAndItsText) {
  TComboBox box("ComboBox2", nullptr);
  box.setSorted(true);
  box.setTextL1("DXCC / Country / City List");
  for (const char* s : {"beta", "Alpha", "gamma", "ALPHA", "Delta"}) box.addItemL1(s);
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  EXPECT_EQ(items, (QStringList{"Alpha", "ALPHA", "beta", "Delta", "gamma"}));
  EXPECT_EQ(box.currentText(), "DXCC / Country / City List");
  box.clearAll();
  EXPECT_EQ(box.count(), 0);
  EXPECT_EQ(box.currentText(), "");
}

TEST(ComboBox, ReportsTheOpeningOfItsList) {
  TComboBox box("ComboBox2", nullptr);
  box.addItemL1("one");
  QSignalSpy opened(&box, &TComboBox::dropDown);
  box.showPopup();
  EXPECT_EQ(opened.count(), 1);
  EXPECT_TRUE(box.droppedDown());
  box.hidePopup();
  EXPECT_FALSE(box.droppedDown());
}

// A window that notes, for each run of its activation handler, whether it was a return.
class NotingForm : public TForm {
 public:
  explicit NotingForm(const QString& name) : TForm(name, name, QSize(120, 80), Qt::white) {}
  std::vector<bool> returns;

 protected:
  void FormActivate() override { returns.push_back(reactivated()); }
};

using testing::MakeActive;

TEST(Form, ActivationHandlerTellsAShowingFromAReturn) {
  ServiceDoubles d = InstallServiceDoubles("/tmp");  // the desktop the windows are centred on
  NotingForm a("A");
  QWidget box;  // stands for a message box of the program
  a.show();
  MakeActive(&a);
  EXPECT_EQ(a.returns, std::vector<bool>{false}) << "the first activation of a showing";
  MakeActive(nullptr);  // another program takes over and gives the window back
  MakeActive(&a);
  box.show();
  MakeActive(&box);
  MakeActive(&a);
  EXPECT_EQ(a.returns, (std::vector<bool>{false, true, true})) << "back from another program, then from a box";
  a.hide();
  a.show();
  MakeActive(&a);
  EXPECT_EQ(a.returns, (std::vector<bool>{false, true, true, false})) << "shown again: a new showing";
}

}  // namespace
}  // namespace kestrel
