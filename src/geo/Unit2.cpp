#include "geo/Unit2.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/Kestrel.h"
#include "app/Unit1.h"
#include "core/text.h"
#include "geo/coord_text.h"
#include "geo/locator.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/services.h"

namespace kestrel {
namespace {

QLabel* NavyLabel(const QString& text, QWidget* parent, int x, int y) {
  auto* l = new QLabel(text, parent);
  l->move(x, y);
  SetTextColor(l, colors::Navy);
  return l;
}

QLineEdit* Edit(const QString& name, QWidget* parent, const QRect& r) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setGeometry(r);
  e->setValidator(new Latin1Validator(e));
  return e;
}

}  // namespace

TGrid::TGrid(QWidget* parent)
    : TForm(QStringLiteral("Grid"), QStringLiteral("Grid / Coordinate Calc"), QSize(211, 146),
            colors::Sand, parent) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  // Two pages on one place; the coordinates page covers the locator page while shown.
  LocatorPage = new QWidget(this);
  LocatorPage->setGeometry(0, 0, 211, 97);
  Label1 = NavyLabel(QStringLiteral("Enter GRID name:"), LocatorPage, 6, 4);
  Label2 = NavyLabel(QStringLiteral("Alpha Alpha Number Number or"), LocatorPage, 6, 20);
  Label4 = NavyLabel(QStringLiteral("Alpha Alpha Number Number Alpha Alpha"), LocatorPage, 6, 34);
  Label3 = NavyLabel(QStringLiteral("Ex:  EL29  or  EL29AB"), LocatorPage, 6, 48);
  Edit1 = Edit(QStringLiteral("Edit1"), LocatorPage, QRect(6, 68, 199, 21));

  CoordinatesPage = new QWidget(this);
  CoordinatesPage->setGeometry(0, 0, 211, 97);
  CoordinatesPage->setAutoFillBackground(true);
  Label7 = NavyLabel(QStringLiteral("Double click boxes to change degrees."), CoordinatesPage, 6, 4);
  Label8 = NavyLabel(QString::fromLatin1("(Ex:  N\xB0" "29.18    W\xB0" "94.47)"), CoordinatesPage, 6, 18);
  Label6 = NavyLabel(QString::fromLatin1("N\xB0'/ S\xB0'"), CoordinatesPage, 6, 43);
  Edit2 = Edit(QStringLiteral("Edit2"), CoordinatesPage, QRect(72, 39, 121, 21));
  Edit2->setText(L1(Marker('N')));
  Label5 = NavyLabel(QString::fromLatin1("W\xB0'/ E\xB0'"), CoordinatesPage, 6, 69);
  Edit3 = Edit(QStringLiteral("Edit3"), CoordinatesPage, QRect(72, 65, 121, 21));
  Edit3->setText(L1(Marker('W')));
  for (QLineEdit* e : {Edit2, Edit3}) e->setFocusPolicy(Qt::ClickFocus);  // not tab stops
  CoordinatesPage->hide();

  RadioButton1 = new QRadioButton(QStringLiteral("GRID"), this);
  RadioButton1->setGeometry(14, 100, 60, 17);
  RadioButton1->setChecked(true);
  RadioButton2 = new QRadioButton(QStringLiteral("Coordinates"), this);
  RadioButton2->setGeometry(100, 100, 100, 17);
  for (QRadioButton* r : {RadioButton1, RadioButton2}) SetTextColor(r, colors::Navy);
  auto button = [this](const QString& name, const QString& caption, int x) {
    auto* panel = new TPanel(name + "Panel", this);
    panel->setGeometry(x, 121, 80, 21);
    panel->setColor(colors::Tan);
    auto* b = new TSpeedButton(name, panel);
    b->setGeometry(0, 0, 80, 21);
    b->setText(caption);
    return b;
  };
  SpeedButton54 = button(QStringLiteral("SpeedButton54"), QStringLiteral("Calc"), 18);
  SpeedButton1 = button(QStringLiteral("SpeedButton1"), QStringLiteral("Cancel"), 113);

  connect(SpeedButton54, &QToolButton::clicked, this, [this] { guard([this] { SpeedButton54Click(); }); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { close(); });
  connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
  connect(RadioButton2, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
  for (QLineEdit* e : {Edit1, Edit2, Edit3}) e->installEventFilter(this);
  BindHemisphereToggle(Edit2, 'N', 'S');
  BindHemisphereToggle(Edit3, 'W', 'E');
}

bool TGrid::eventFilter(QObject* watched, QEvent* e) {
  // Enter in any of the three boxes is Calc; the key itself goes no further.
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      guard([this] { SpeedButton54Click(); });
      return true;
    }
  }
  return TForm::eventFilter(watched, e);
}

void TGrid::RadioButton1Click() { CoordinatesPage->hide(); }

void TGrid::RadioButton2Click() {
  CoordinatesPage->show();
  CoordinatesPage->raise();
}

void TGrid::FormActivate() {
  Edit1->selectAll();
  // The main window's display is reset: markers at rest (the arrow follows at the next
  // heading), heading texts idle, distance empty, the place list cleared.
  TKestrel1* main = windows().Kestrel1;
  main->Panel5->move(128, 33);
  main->Panel3->move(128, 217);
  main->StatusBar1->setPanelText(0, "Degrees:");
  main->StatusBar1->setPanelText(1, "");
  main->Label73->setTextL1("Degrees:");
  main->Label74->setTextL1("");
  main->ComboBox2->clearAll();
  main->ComboBox2->setTextL1("Grid/" + Marker('N') + Marker('S') + " Calculation");
}

void TGrid::SpeedButton54Click() {
  if (RadioButton2->isChecked())
    CalcCoordinates();
  else
    CalcLocator();
}

void TGrid::CalcCoordinates() {
  TKestrel1* main = windows().Kestrel1;
  const std::string typed = L1(Edit2->text()) + "\\" + L1(Edit3->text());
  main->CoordPair = UpperAscii(typed);
  Edit1->clear();
  if (!Contains(main->CoordPair, Marker('N')) && !Contains(main->CoordPair, Marker('S'))) {
    CentredWarning(NoNorthSouthWarning());
    return;
  }
  if (!Contains(main->CoordPair, Marker('E')) && !Contains(main->CoordPair, Marker('W'))) {
    CentredWarning(NoWestEastWarning());
    return;
  }
  DecMinsResult converted = ConvertToDecMins(main->CoordPair);
  if (!converted.ok) {
    CentredWarning(converted.warning);
    return;
  }
  main->CoordPair = converted.pair;
  const LatLon dest = SplitCoordPair(main->CoordPair);
  if (std::abs(static_cast<double>(dest.lat)) > 90) {
    CentredWarning(std::string("Latitude must be between 0 and 90 degrees."));
    return;
  }
  if (std::abs(static_cast<double>(dest.lon)) > 180) {
    CentredWarning(std::string("Longitude must be between 0 and 180 degrees."));
    return;
  }
  GridLocator = GridCalc(static_cast<double>(dest.lat), -static_cast<double>(dest.lon));
  HandOff("   " + GridLocator + "    " + typed, static_cast<double>(dest.lat), static_cast<double>(dest.lon));
}

void TGrid::CalcLocator() {
  LocatorCheck check = ValidateLocator(L1(Edit1->text()));
  Edit1->setText(L1(check.upper));
  if (!check.ok) {
    services().messages->warning(L1(check.warning));  // the pointer stays where it is
    return;
  }
  LocatorCornerResult corner = LocatorCorner(check.upper);
  HandOff("   " + check.upper + "    " + corner.pairText, corner.lat, corner.lon);
}

void TGrid::HandOff(const std::string& message, double destLat, double destLon) {
  TKestrel1* main = windows().Kestrel1;
  const long double homeLat = main->ReadHomeField(*main->CurrencyEdit2);
  const long double homeLon = main->ReadHomeField(*main->CurrencyEdit1);
  main->BreakOutCity("00~", message, homeLat, homeLon, destLat, destLon);
  main->DistanceDisplay();
  close();
}

}  // namespace kestrel
