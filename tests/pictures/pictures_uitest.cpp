#include <QImage>
#include <QLabel>
#include <QTest>

#include "pictures/Map.h"
#include "pictures/USBandsUnit.h"
#include "pictures/Unit5.h"
#include "pictures/picture_layout.h"
#include "platform/controls.h"
#include "support/program_fixture.h"

namespace kestrel::testing {
namespace {

TEST(PictureLayout, WindowFollowsItsPicture) {
  struct Case { int pw, ph, sw, sh; PictureWindowLayout want; } cases[] = {
      {501, 324, 1920, 1080, {0, 0, 507, 375, 707, 353, 218, 325}},
      {745, 398, 1024, 768, {0, 0, 751, 449, 137, 160, 340, 399}},
      {3000, 2000, 1024, 768, {0, 0, 3006, 2051, -991, -641, 1468, 2001}},  // larger than the screen
  };
  for (const auto& c : cases) {
    PictureWindowLayout l = LayoutPictureWindow(c.pw, c.ph, 100, 50, 211, 327, c.sw, c.sh);
    EXPECT_EQ(l.outerWidth, c.want.outerWidth);
    EXPECT_EQ(l.outerHeight, c.want.outerHeight);
    EXPECT_EQ(l.left, c.want.left);
    EXPECT_EQ(l.top, c.want.top);
    EXPECT_EQ(l.panelLeft, c.want.panelLeft);
    EXPECT_EQ(l.panelTop, c.want.panelTop);
    EXPECT_EQ(l.pointerX, 100 + 211 + 48);  // onto the OK panel as it was before the move
    EXPECT_EQ(l.pointerY, 50 + 327 + 30);
  }
}

class PictureWindows : public ProgramFixture {
 protected:
  // A picture of the size given under the name given (Qt reads pictures by their content; it
  // writes no GIF, so the fixture holds PNG data).
  void Picture(const char* name, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    ASSERT_TRUE(img.save(QString::fromStdString((folder / name).string()), "PNG"));
  }
};

TEST_F(PictureWindows, SizeAndPlaceFollowThePicture) {
  Picture("Zones.gif", 501, 324);
  Start();
  TUSMap& m = *windows().USMap;
  EXPECT_EQ(m.windowTitle(), "US Call Map");
  m.show();
  m.FormActivate();
  EXPECT_TRUE(doubles.messages->shown.empty());
  EXPECT_EQ(m.Image1->size(), QSize(501, 324));
  EXPECT_EQ(m.frameGeometry().size(), QSize(507, 375));
  EXPECT_EQ(m.Panel23->pos(), QPoint(218, 325));
  EXPECT_EQ(m.frameGeometry().topLeft(), QPoint(1920 / 2 - 507 / 2, 1080 / 2 - 375 / 2));
  m.SpeedButton20->click();
  EXPECT_FALSE(m.isVisible());
}

TEST_F(PictureWindows, MissingPictureWarnsOncePerShowing) {
  Start();
  TUSBands& b = *windows().USBands;
  EXPECT_EQ(b.windowTitle(), "US Amateur Bands");
  b.show();
  b.FormActivate();
  b.FormActivate();  // the focus comes back from the warning box: no second warning
  ASSERT_EQ(doubles.messages->shown.size(), 1u);
  EXPECT_EQ(doubles.messages->shown[0].text, "File: 'bands.gif' not found.");
  EXPECT_EQ(doubles.messages->shown[0].pointerAt, QPoint(970, 570));
  EXPECT_EQ(b.size(), QSize(745, 466));  // the design size, no picture
  b.SpeedButton20->click();
  EXPECT_FALSE(b.isVisible());
  b.show();  // the next showing warns again
  b.FormActivate();
  EXPECT_EQ(doubles.messages->shown.size(), 2u);
  b.close();
}

TEST_F(PictureWindows, UnreadablePictureKeepsThePreviousOne) {
  Picture("Zones.gif", 300, 200);
  Start();
  TUSMap& m = *windows().USMap;
  m.show();
  m.FormActivate();
  const QRect before = m.frameGeometry();
  m.close();
  WriteFile("Zones.gif", "GIF89a this is no picture");
  m.show();
  m.FormActivate();
  ASSERT_EQ(doubles.messages->shown.size(), 1u);
  EXPECT_EQ(doubles.messages->shown[0].kind, RecordedMessage::Warning);
  EXPECT_TRUE(doubles.messages->shown[0].text.contains("Zones.gif"));
  EXPECT_EQ(m.Image1->size(), QSize(300, 200));
  EXPECT_EQ(m.frameGeometry(), before);
  m.SpeedButton20->click();
  EXPECT_FALSE(m.isVisible());
}

TEST_F(PictureWindows, AboutTextsLineByLine) {
  Start();
  TAbout& a = *windows().About;
  EXPECT_EQ(a.windowTitle(), " Amateur Radio Kestrel About...");
  EXPECT_EQ(a.size(), QSize(389, 421));
  EXPECT_EQ(a.Label7->text(), "Amateur Radio Kestrel  v73.024");
  QStringList one = a.Label1->text().split('\n');
  ASSERT_EQ(one.size(), 8);
  EXPECT_EQ(one[0], "  The Amateur Radio Kestrel can be used to quickly locate");
  EXPECT_EQ(one[3], "the home QTH and  latitude and longitude of the selected country or U.S. ");
  EXPECT_EQ(one[5], "Except where additional locations within a country are listed, the antenna ");
  EXPECT_EQ(one[7], "(Exception: Russia points to western Russia.)");
  QStringList two = a.Label4->text().split('\n');
  ASSERT_EQ(two.size(), 3);
  EXPECT_EQ(two[0], "  Upon clicking on a U.S. state button, the direction will be calculated from the");
  QStringList three = a.Label3->text().split('\n');
  ASSERT_EQ(three.size(), 13);
  EXPECT_EQ(three[2], " ");
  EXPECT_EQ(three[3], "  The home QTH  latitude and longitude parameters are entered into the");
  EXPECT_EQ(three[4], "preferences window.  Also set the time offset for the home QTH for the ");
  EXPECT_EQ(three[8], "  The antenna should be set to true north (not magnetic north) for the ");
  EXPECT_EQ(three[12], "window, double click on the status bar to expand the panel.");
  // Every line shows whole within its label.
  for (QLabel* l : {a.Label1, a.Label4, a.Label3}) {
    QFontMetrics fm(l->font());
    for (const QString& line : l->text().split('\n')) EXPECT_LE(fm.horizontalAdvance(line), l->width()) << line.toStdString();
    EXPECT_LE(fm.lineSpacing() * l->text().split('\n').size(), l->height() + 2);
  }
  a.show();
  a.SpeedButton1->click();
  EXPECT_FALSE(a.isVisible());
}

}  // namespace
}  // namespace kestrel::testing
