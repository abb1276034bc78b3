#include "app/Unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QRadioButton>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/Kestrel.h"
#include "app/clock_labels.h"
#include "app/heading_text.h"
#include "app/place_list.h"
#include "app/state_table.h"
#include "clocks/ClkUnit2.h"
#include "clocks/clock_text.h"
#include "compass/CompassUnit.h"
#include "compass/compass_geometry.h"
#include "core/numbers.h"
#include "core/text.h"
#include "core/text_file.h"
#include "dxcc/prefix_alias.h"
#include "geo/Unit2.h"
#include "geo/coord_text.h"
#include "geo/sunrise.h"
#include "home/prefs.h"
#include "home/Unit3.h"
#include "pictures/Map.h"
#include "pictures/USBandsUnit.h"
#include "pictures/Unit5.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "worldmap/WorldMapUnit.h"

namespace kestrel {
namespace {

const QColor kMainColor(224, 200, 120);
const QColor kCompassPanel(225, 168, 0);
const char* kPlaceBoxIdle = "DXCC / Country / City List";
const char* kPlaceBoxPromptA = "Click on a state or dxcc first.";
const char* kPlaceBoxPromptB = "Click on state or dxcc first.";

enum class Icon { Sunrise, Sunset, Clock, Globe };

QPixmap ToolbarIcon(Icon kind) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (kind == Icon::Sunrise || kind == Icon::Sunset) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 160, 0));
    p.drawPie(QRectF(2, 5, 12, 12), 0, 180 * 16);
    p.setPen(QPen(QColor(128, 0, 0), 1.2));
    p.drawLine(QPointF(0, 11.5), QPointF(16, 11.5));
    QPainterPath arrow;
    if (kind == Icon::Sunrise) {
      arrow.moveTo(8, 0.5);
      arrow.lineTo(11.5, 4.5);
      arrow.lineTo(4.5, 4.5);
    } else {
      arrow.moveTo(8, 4.5);
      arrow.lineTo(11.5, 0.5);
      arrow.lineTo(4.5, 0.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawPath(arrow);
  } else {
    p.setPen(QPen(QColor(0, 0, 128), 1.2));
    p.setBrush(kind == Icon::Clock ? QColor(255, 255, 255) : QColor(150, 200, 255));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    if (kind == Icon::Globe) {
      p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
      p.drawEllipse(QRectF(5, 1.5, 6, 13));
    } else {
      p.drawLine(QPointF(8, 8), QPointF(8, 4));
      p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    }
  }
  return pm;
}

QIcon WindowIcon() {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(0, 0, 128), 2));
  p.setBrush(QColor(255, 255, 0));
  p.drawEllipse(QRectF(2, 2, 28, 28));
  QPainterPath arrow;
  arrow.moveTo(16, 4);
  arrow.lineTo(21, 14);
  arrow.lineTo(17.5, 14);
  arrow.lineTo(17.5, 28);
  arrow.lineTo(14.5, 28);
  arrow.lineTo(14.5, 14);
  arrow.lineTo(11, 14);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(0, 0, 128), 1));
  p.setBrush(QColor(255, 136, 72));
  p.drawPath(arrow);
  return QIcon(pm);
}

}  // namespace

TKestrel1::TKestrel1(QWidget* parent)
    : TForm(QStringLiteral("Kestrel1"), QStringLiteral("Amateur Radio Kestrel"), QSize(462, 336),
            kMainColor, parent) {
  setWindowIcon(WindowIcon());
  SetTextColor(this, colors::Navy);
  buildLayout();
  guard([this] { FormCreate(); });
}

TKestrel1::~TKestrel1() = default;

void TKestrel1::buildLayout() {
  auto speedButton = [](const QString& name, QWidget* parent, const QRect& r, const QString& caption) {
    auto* b = new TSpeedButton(name, parent);
    b->setGeometry(r);
    b->setText(caption);
    return b;
  };

  // Tool bar: sunrise, sunset, local and UTC clocks; About and hide buttons.
  ToolBar1 = new TPanel(QStringLiteral("ToolBar1"), this);
  ToolBar1->setGeometry(0, 0, 462, 25);
  ToolBar1->setColor(colors::Tan);
  ToolBar1->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
  auto* edgeTop = new QFrame(ToolBar1);
  edgeTop->setFrameShape(QFrame::HLine);
  edgeTop->setFrameShadow(QFrame::Sunken);
  edgeTop->setGeometry(0, 0, 462, 2);
  auto* edgeBottom = new QFrame(ToolBar1);
  edgeBottom->setFrameShape(QFrame::HLine);
  edgeBottom->setFrameShadow(QFrame::Sunken);
  edgeBottom->setGeometry(0, 23, 462, 2);
  Panel7 = new TPanel(QStringLiteral("Panel7"), ToolBar1);
  Panel7->setGeometry(0, 2, 249, 18);
  Panel7->setColor(colors::Tan);
  Panel7->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
  struct Pair { const char* image; Icon icon; TLabel** label; const char* name; const char* text; const char* hint; };
  const Pair pairs[] = {
      {"Image2", Icon::Sunrise, &Label5, "Label5", "Rise", "Sunrise"},
      {"Image3", Icon::Sunset, &Label7, "Label7", "Set", "Sunset"},
      {"Image4", Icon::Clock, &Label6, "Label6", "Clock", "Local time"},
      {"Image5", Icon::Globe, &Label3, "Label3", "Clock", "UTC"},
  };
  int x = 2;
  for (const Pair& pr : pairs) {
    auto* img = new QLabel(Panel7);
    img->setObjectName(QString::fromLatin1(pr.image));
    img->setPixmap(ToolbarIcon(pr.icon));
    img->setGeometry(x, 1, 16, 16);
    auto* l = new TLabel(QString::fromLatin1(pr.name), Panel7);
    l->setGeometry(x + 18, 2, 42, 14);
    l->setText(QString::fromLatin1(pr.text));
    l->setToolTip(QString::fromLatin1(pr.hint));
    *pr.label = l;
    x += 62;
  }
  SpeedButton52 = speedButton(QStringLiteral("SpeedButton52"), ToolBar1, QRect(418, 2, 21, 17), QStringLiteral("?"));
  SpeedButton52->setHint(QStringLiteral("Help"));
  SpeedButton52->setBold(true);
  SpeedButton53 = speedButton(QStringLiteral("SpeedButton53"), ToolBar1, QRect(439, 2, 21, 17), QStringLiteral("_"));
  SpeedButton53->setHint(QStringLiteral("Hide"));
  SpeedButton53->setBold(true);

  // The compass: the picture and the arrow are drawn by the panel; the two markers hold the
  // arrow's ends and are never shown.
  Panel2 = new TGraphicHost(QStringLiteral("Panel2"), this);
  Panel2->setGeometry(6, 30, 255, 255);
  Panel2->setColor(kCompassPanel);
  Panel2->setBevels(TPanel::Bevel::None, TPanel::Bevel::Lowered);
  image1_ = std::make_unique<TImage>(2, 2, 251, 251);
  Image1 = image1_.get();
  Image1->setPicture(CompassPicture());
  Panel2->addGraphic(Image1);
  pieArrow1_ = std::make_unique<TPieArrowControl>();
  PieArrow1 = pieArrow1_.get();
  {
    // Built as the window's stored layout builds it.
    TPieArrow& a = PieArrow1->arrow();
    a.GetBrush().setColor(MakeRgb(255, 136, 72));
    a.GetPen().setColor(MakeRgb(0, 0, 128));
    a.GetPen().setWidth(2);
    a.SetArrowWidth(6);
    a.SetTransparent(false);
    a.SetStartX(124);
    a.SetStartY(121);
    a.SetTargetX(174);
    a.SetTargetY(171);
  }
  Panel2->addGraphic(PieArrow1);
  for (TPanel** marker : {&Panel3, &Panel5}) {
    *marker = new TPanel(marker == &Panel3 ? QStringLiteral("Panel3") : QStringLiteral("Panel5"), Panel2);
    (*marker)->resize(6, 6);
    (*marker)->setColor(colors::Maroon);
    (*marker)->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
    (*marker)->hide();
  }

  Panel1 = new TPanel(QStringLiteral("Panel1"), this);
  Panel1->setGeometry(267, 30, 3, 256);
  Panel1->setColor(colors::Tan);
  Panel1->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
  Panel1->setBorderSingle(true);
  Panel1->setFocusPolicy(Qt::ClickFocus);

  // The place box.
  ComboBox2 = new TComboBox(QStringLiteral("ComboBox2"), this);
  ComboBox2->setGeometry(279, 31, 174, 23);
  ComboBox2->setFont(LayoutFont("Arial", 12));
  SetFieldColors(ComboBox2, colors::White, colors::Navy);
  ComboBox2->setMaxVisibleItems(13);
  ComboBox2->setFocusPolicy(Qt::ClickFocus);
  ComboBox2->setSorted(true);
  ComboBox2->setContextMenuPolicy(Qt::NoContextMenu);
  ComboBox2->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
  ComboBox2->addItemL1(kPlaceBoxPromptA);
  ComboBox2->setTextL1(kPlaceBoxIdle);

  SpeedButton62 = speedButton(QStringLiteral("SpeedButton62"), this, QRect(454, 32, 8, 19), QStringLiteral("S "));
  SpeedButton62->setHint(QStringLiteral("Sort"));
  SpeedButton62->setFontColor(colors::Maroon);
  SpeedButton62->setCheckable(true);
  SpeedButton62->hide();

  // The state button bar.
  Panel4 = new TPanel(QStringLiteral("Panel4"), this);
  Panel4->setGeometry(277, 55, 178, 171);
  Panel4->setColor(kMainColor);
  Panel4->setBevels(TPanel::Bevel::Raised, TPanel::Bevel::Lowered);
  Panel4->setMouseTracking(true);
  for (int n = 1; n <= 50; ++n) {
    const StateCentre& s = StateCentreTable[n - 1];
    QRect r = n <= 49 ? QRect(2 + 25 * ((n - 1) % 7), 2 + 21 * ((n - 1) / 7), 24, 20) : QRect(152, 149, 24, 20);
    auto* b = speedButton(QStringLiteral("SpeedButton%1").arg(n), Panel4, r, QString::fromLatin1(s.code));
    b->setHint(QString::fromLatin1(s.name));
    StateButtons[n - 1] = b;
  }
  SpeedButton61 = speedButton(QStringLiteral("SpeedButton61"), Panel4, QRect(2, 149, 74, 20),
                              QString::fromLatin1("GRID/N\xB0S\xB0"));
  SpeedButton61->setHint(QStringLiteral("GRID"));
  SpeedButton51 = speedButton(QStringLiteral("SpeedButton51"), Panel4, QRect(77, 149, 74, 20), QStringLiteral("DXCC"));
  SpeedButton51->setHint(QStringLiteral("DXCC"));

  // The home position: numeric fields (never seen) under the panel with the texts as typed.
  CurrencyEdit2 = new TCurrencyEdit(QStringLiteral("CurrencyEdit2"), "00.00", this);
  CurrencyEdit2->setGeometry(319, 235, 41, 21);
  CurrencyEdit2->hide();
  CurrencyEdit1 = new TCurrencyEdit(QStringLiteral("CurrencyEdit1"), "00.00", this);
  CurrencyEdit1->setGeometry(413, 235, 41, 21);
  CurrencyEdit1->hide();
  Panel9 = new TPanel(QStringLiteral("Panel9"), this);
  Panel9->setGeometry(277, 232, 178, 25);
  Panel9->setColor(colors::Tan);
  auto* nsLabel = new QLabel(QString::fromLatin1("N/S\xB0'"), Panel9);
  nsLabel->setGeometry(4, 5, 28, 14);
  Edit1 = new QLineEdit(Panel9);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(32, 4, 54, 17);
  auto* weLabel = new QLabel(QString::fromLatin1("W/E\xB0'"), Panel9);
  weLabel->setGeometry(91, 5, 30, 14);
  Edit2 = new QLineEdit(Panel9);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setGeometry(121, 4, 54, 17);
  for (QLineEdit* e : {Edit1, Edit2}) {
    e->setEnabled(false);
    e->setContextMenuPolicy(Qt::NoContextMenu);
    e->setFont(LayoutFont("MS Sans Serif", 11));
    QPalette p = e->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, colors::Navy);
    p.setColor(QPalette::Disabled, QPalette::Base, colors::Sand);
    e->setPalette(p);
  }

  // The heading panel.
  Panel6 = new TPanel(QStringLiteral("Panel6"), this);
  Panel6->setGeometry(277, 263, 178, 22);
  Panel6->setColor(colors::Sand);
  Label73 = new TLabel(QStringLiteral("Label73"), Panel6);
  Label73->setGeometry(4, 4, 100, 14);
  Label73->setFont(LayoutFont("MS Sans Serif", 11, true));
  Label73->setText(QStringLiteral("Degrees: "));
  Label74 = new TLabel(QStringLiteral("Label74"), Panel6);
  Label74->setGeometry(104, 4, 72, 14);
  Label74->setFont(LayoutFont("MS Sans Serif", 11, true));
  Label74->hide();

  // The command buttons, each filling a small tan panel.
  Panel22 = new TPanel(QStringLiteral("Panel22"), this);
  Panel22->setGeometry(6, 292, 449, 21);
  Panel22->setColor(colors::Sand);
  struct Cmd { TSpeedButton** button; const char* name; int x, w; const char* caption; QColor color; };
  const Cmd cmds[] = {
      {&SpeedButton55, "SpeedButton55", 2, 74, "Preferences", colors::Navy},
      {&SpeedButton56, "SpeedButton56", 78, 58, "Close", colors::Maroon},
      {&SpeedButton57, "SpeedButton57", 138, 60, "US Map", colors::Navy},
      {&SpeedButton58, "SpeedButton58", 200, 60, "World Map", colors::Navy},
      {&SpeedButton59, "SpeedButton59", 262, 60, "US Bands", colors::Navy},
      {&SpeedButton63, "SpeedButton63", 324, 60, "Clocks", colors::Navy},
      {&SpeedButton60, "SpeedButton60", 386, 60, "Clear", colors::White},
  };
  for (const Cmd& c : cmds) {
    auto* holder = new TPanel(QString::fromLatin1(c.name) + "Panel", Panel22);
    holder->setGeometry(c.x, 2, c.w, 16);
    holder->setColor(colors::Tan);
    holder->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
    *c.button = speedButton(QString::fromLatin1(c.name), holder, QRect(0, 0, c.w, 16), QString::fromLatin1(c.caption));
    (*c.button)->setFontColor(c.color);
  }

  StatusBar1 = new TStatusBar(QStringLiteral("StatusBar1"), this);
  StatusBar1->setGeometry(0, 318, 462, 18);
  StatusBar1->setColor(colors::Sand);
  StatusBar1->addPanel(kDegreesIdle, 390);
  StatusBar1->addPanel(kDistanceIdle, 50, Qt::AlignHCenter);

  Panel8 = new TPanel(QStringLiteral("Panel8"), this);
  Panel8->setGeometry(2, 321, 49, 13);
  Panel8->setColor(colors::Sand);
  Panel8->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
  SetTextColor(Panel8, colors::Black);
  Panel8->setCaption(kDegreesIdle);
  Panel8->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Panel8->hide();

  Timer1 = new TTimer(100, this);
  Timer2 = new TTimer(1000, this);

  RxTrayIcon1 = new QSystemTrayIcon(windowIcon(), this);
  RxTrayIcon1->setToolTip(windowTitle());
  RxTrayIcon1->show();

  // Handlers.
  auto on = [this](auto* sender, auto signal, void (TKestrel1::*handler)()) {
    connect(sender, signal, this, [this, handler] { guard([this, handler] { (this->*handler)(); }); });
  };
  for (int n = 1; n <= 50; ++n)
    connect(StateButtons[n - 1], &QToolButton::clicked, this, [this, n] { guard([this, n] { StateButtonClick(n); }); });
  on(SpeedButton51, &QToolButton::clicked, &TKestrel1::SpeedButton51Click);
  on(SpeedButton61, &QToolButton::clicked, &TKestrel1::SpeedButton61Click);
  on(SpeedButton52, &QToolButton::clicked, &TKestrel1::SpeedButton52Click);
  on(SpeedButton53, &QToolButton::clicked, &TKestrel1::SpeedButton53Click);
  on(SpeedButton55, &QToolButton::clicked, &TKestrel1::SpeedButton55Click);
  on(SpeedButton56, &QToolButton::clicked, &TKestrel1::SpeedButton56Click);
  on(SpeedButton57, &QToolButton::clicked, &TKestrel1::SpeedButton57Click);
  on(SpeedButton58, &QToolButton::clicked, &TKestrel1::SpeedButton58Click);
  on(SpeedButton59, &QToolButton::clicked, &TKestrel1::SpeedButton59Click);
  on(SpeedButton60, &QToolButton::clicked, &TKestrel1::SpeedButton60Click);
  on(SpeedButton63, &QToolButton::clicked, &TKestrel1::SpeedButton63Click);
  on(Timer1, &TTimer::timeout, &TKestrel1::Timer1Timer);
  on(Timer2, &TTimer::timeout, &TKestrel1::Timer2Timer);
  on(Panel4, &TPanel::mouseMoved, &TKestrel1::Panel4MouseMove);
  on(StatusBar1, &TStatusBar::doubleClicked, &TKestrel1::StatusBar1DblClick);
  on(Panel8, &TPanel::doubleClicked, &TKestrel1::Panel8DblClick);
  on(Label73, &TLabel::doubleClicked, &TKestrel1::Label73DblClick);
  on(ComboBox2, &TComboBox::dropDown, &TKestrel1::ComboBox2DropDown);
  on(ComboBox2, &TComboBox::exited, &TKestrel1::ComboBox2Exit);
  on(ComboBox2, &QComboBox::editTextChanged, &TKestrel1::ComboBox2Change);
  on(SpeedButton62, &QToolButton::clicked, &TKestrel1::SpeedButton62Click);
  ComboBox2->setKeyPressHandler([this](QString& key) { ComboBox2KeyPress(key); });
  connect(RxTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
    if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) guard([this] { RxTrayIcon1Click(); });
  });
}

// ---- Creation and activation ----

void TKestrel1::FormCreate() {
  // Hints appear 100 ms after the pointer comes to rest (the application style says so).
  PlaceList = LoadLines(JoinPath(services().programFolder, kPlaceFile));
  ResetCompassArrow();
  Panel8->resize(459, Panel8->height());
}

void TKestrel1::FormActivate() {
  if (FirstActivationDone) return;
  InitializeParameters("PgmStart");
  FirstActivationDone = true;
  // Each step reports its own failure and the next one still runs.
  guard([this] { LoadPrefs(); });
  ListBox1 = CountryFirstList(PlaceList);
}

void TKestrel1::LoadPrefs() {
  THome* home = windows().Home;
  const std::string path = JoinPath(services().programFolder, kPrefsFile);
  // No file yet is the normal first run: the defaults stand, and closing creates the file.
  if (!FileExists(path)) return;
  PrefsRead read = ReadPrefs(LoadLines(path));
  const Prefs& p = read.prefs;
  PrefsFlags = p.flags;
  if (FlagOn(PrefsFlags, 1)) home->setLongPath(true);
  if (FlagOn(PrefsFlags, 2)) {
    home->CheckBox2->setChecked(true);
    MilitaryTime = true;
  }
  (FlagOn(PrefsFlags, 3) ? home->RadioButton1 : home->RadioButton2)->setChecked(true);
  Edit2->setText(L1(p.lonText));
  Edit1->setText(L1(p.latText));
  home->setHomeTexts(p.latText, p.lonText);
  home->setGmtOffset(p.gmtOffset);
  home->ZoneIndex = p.zoneIndex;
  // Everything wrong with the file goes into one report.
  std::string problems;
  for (const std::string& problem : read.problems) problems += (problems.empty() ? "" : "\n") + problem;
  bool homeSet = false;
  if (read.hasHomeTexts) {
    CoordPair = p.latText + "\\" + p.lonText;
    DecMinsResult converted = ConvertToDecMins(CoordPair);
    if (converted.ok) {
      CoordPair = converted.pair;
      StoreHomePair(p.latText, p.lonText, converted.pair);
      homeSet = true;
    } else {
      // The texts stay in view so that they can be mended under Preferences; no home is set.
      const std::string warning = converted.warning + "\n(\"" + kPrefsFile + "\", lines 3 and 2)";
      if (problems.empty()) CentredWarning(PrintableText(warning));
      else problems += "\n" + warning;
    }
  }
  if (!problems.empty()) services().messages->error(L1(PrintableText(problems)));
  if (homeSet) ShowSunTimes();
}

void TKestrel1::ShowSunTimes() {
  QDate today = services().clock->localNow().date();
  SunInputs in;
  in.year = today.year();
  in.month = today.month();
  in.day = today.day();
  in.latitude = static_cast<double>(CurrencyEdit2->value());
  in.longitudeEast = -static_cast<double>(CurrencyEdit1->value());
  in.gmtOffset = windows().Home->gmtOffset();
  in.military = MilitaryTime;
  SunTexts texts{SunriseText, SunsetText};
  // Two full runs, one for each label, as the tool bar has always been filled.
  for (int event : {1, 2}) {
    SunRun run = SunRiseSet(in, event, texts);
    for (const std::string& m : run.messages) services().messages->information(L1(m));
    if (event == 1) Label5->setTextL1(texts.sunrise);
    if (event == 2) Label7->setTextL1(texts.sunset);
  }
  SunriseText = texts.sunrise;
  SunsetText = texts.sunset;
}

void TKestrel1::SavePrefs() {
  THome* home = windows().Home;
  Prefs p;
  PrefsFlags = WithOptionFlags(PrefsFlags, home->longPath(), home->CheckBox2->isChecked(), home->miles());
  p.flags = PrefsFlags;
  p.lonText = home->lonText();
  p.latText = home->latText();
  p.gmtOffset = home->gmtOffset();
  p.zoneIndex = home->ZoneIndex;
  SaveLines(JoinPath(services().programFolder, kPrefsFile), PrefsLines(p));
}

void TKestrel1::InitializeParameters(const std::string& mode) {
  const std::string path = JoinPath(services().programFolder, kClocksFile);
  if (mode == "PgmStart") {
    // Nothing reads these lines; a missing or unreadable file was already dealt with by the
    // Clocks window at its creation, so it is not reported again here.
    try {
      Memo1 = FileExists(path) ? LoadLines(path) : std::vector<std::string>{};
    } catch (const FileError&) {
      Memo1.clear();
    }
  } else if (mode == "ParmUpdate") {
    if (windows().Clock2) windows().Clock2->InitializeParameters("ParmUpdate");
  }
}

// ---- Heading display ----

long double TKestrel1::ReadHomeField(const TCurrencyEdit& field) const {
  std::string text = L1(field.text());
  if (text.empty())
    throw std::runtime_error("The home position is not set. Enter it under Preferences.");
  return StrToFloat(text);
}

void TKestrel1::StoreHomePair(const std::string& latTyped, const std::string& lonTyped,
                              const std::string& convertedPair) {
  LatLon v = HomePairValues(latTyped, lonTyped, convertedPair);
  Edit2->setText(L1(lonTyped));
  CurrencyEdit1->setValue(v.lon);
  Edit1->setText(L1(latTyped));
  CurrencyEdit2->setValue(v.lat);
}

void TKestrel1::setStatusDegrees(const std::string& statusText, const std::string& panel8Text) {
  StatusBar1->setPanelText(0, statusText);
  Panel8->setCaption(panel8Text);
}

void TKestrel1::BreakOutCity(const std::string& key, const std::string& note, long double homeLat,
                             long double homeLon, long double targetLat, long double targetLon) {
  if (key != kDxccKey && key != kShowOnlyKey) {
    ListNotByPrefix = true;
    SpeedButton62->hide();
  }
  if (homeLat == 0 || homeLon == 0 || targetLat == 0 || targetLon == 0) {
    // Zero stands for no position: reset the display.
    ResetCompassArrow();
    setStatusDegrees(kDegreesIdle, kDegreesIdle);
    StatusBar1->setPanelText(1, "");
    Label73->setTextL1(kDegreesIdle);
    Label74->setTextL1("");
    DisplayResetByZero = true;
  } else {
    CalculateBearing(homeLat, homeLon, targetLat, targetLon, Bearing);
    HeadingTexts t = MakeHeadingTexts(Bearing.Azimuth, note);
    setStatusDegrees(t.statusDegrees, t.panel8);
    Label73->setTextL1(t.label73);
    LongPathHeading = t.longPathHeading;
    Label74->setTextL1(t.label74);
    SetCompassArrow(Bearing.Azimuth);
    Bearing.Azimuth = EvenArrowHeading(Bearing.Azimuth);
    DisplayResetByZero = false;
  }
  if (key == kShowOnlyKey) return;
  ComboBox2->clearAll();
  for (const std::string& entry : EntriesForKey(PlaceList, key)) ComboBox2->addItemL1(entry);
}

void TKestrel1::DistanceDisplay() {
  // After a reset by a zero coordinate there is no distance to show.
  if (DisplayResetByZero) {
    StatusBar1->setPanelText(1, "");
    return;
  }
  StatusBar1->setPanelText(1, FormatDistance(Bearing.Distance, windows().Home && windows().Home->miles()));
}

void TKestrel1::Label73DblClick() {
  if (StatusBar1->panelText(0) == kDegreesIdle) return;
  THome* home = windows().Home;
  if (!LongPathToggle) {
    if (LongPathHeading > 0 && home) home->setLongPath(true);
    Label74->show();
    LongPathToggle = true;
  } else {
    LongPathToggle = false;
    Label74->hide();
    if (home) home->setLongPath(false);
  }
}

void TKestrel1::setIdleTexts(const char* distanceText) {
  setStatusDegrees(kDegreesIdle, kDegreesIdle);
  StatusBar1->setPanelText(1, distanceText);
  Label73->setTextL1(kDegreesIdle);
  Label74->setTextL1("");
}

void TKestrel1::SpeedButton60Click() {
  setIdleTexts(kDistanceIdle);
  ComboBox2->clearAll();
  ComboBox2->setTextL1(kPlaceBoxIdle);
  ComboBox2->addItemL1(kPlaceBoxPromptB);
  Panel8->hide();
  StatusBar1->setPanelWidth(0, 390);
  SpeedButton62->hide();
  ResetCompassArrow();
  ChgButtonColors(0);
}

void TKestrel1::ResetComboBox() {
  ChgButtonColors(0);
  ComboBox2->clearAll();
  ComboBox2->setTextL1(kPlaceBoxIdle);
  ComboBox2->addItemL1(kPlaceBoxPromptA);
  ResetCompassArrow();
  setIdleTexts(kDistanceIdle);
  Panel2->repaint();  // the arrow at rest at once
}

void TKestrel1::pointArrowAtMarkers() {
  TPieArrow& a = PieArrow1->arrow();
  a.SetStartX(Panel3->x());
  a.SetStartY(Panel3->y());
  a.SetTargetX(Panel5->x());
  a.SetTargetY(Panel5->y());
}

void TKestrel1::SetCompassArrow(long double heading) {
  const CompassEnds ends = CompassArrowEnds(heading);
  // Below 180 the tip is placed first, from 180 on the tail: the order of the marker moves.
  if (EvenArrowHeading(heading) <= 179) {
    Panel5->move(ends.tip.x, ends.tip.y);
    Panel3->move(ends.tail.x, ends.tail.y);
  } else {
    Panel3->move(ends.tail.x, ends.tail.y);
    Panel5->move(ends.tip.x, ends.tip.y);
  }
  pointArrowAtMarkers();
}

void TKestrel1::ResetCompassArrow() {
  const CompassEnds ends = CompassRestEnds();
  Panel5->move(ends.tip.x, ends.tip.y);
  Panel3->move(ends.tail.x, ends.tail.y);
  pointArrowAtMarkers();
}

// ---- State button bar ----

void TKestrel1::ChgButtonColors(int index) {
  for (TSpeedButton* b : findChildren<TSpeedButton*>()) {
    if (b == SpeedButton56 || b == SpeedButton60) continue;
    b->setFontColor(colors::Navy);
    b->setBold(false);
  }
  TSpeedButton* lit = nullptr;
  if (index >= 1 && index <= 50) lit = StateButtons[index - 1];
  if (index == 51) lit = SpeedButton51;
  if (index == 61) lit = SpeedButton61;
  if (lit) {
    lit->setFontColor(colors::Maroon);
    lit->setBold(true);
  }
}

void TKestrel1::openPlaceList() {
  ComboBox2->showPopup();
  ComboBox2->setFocus();
}

void TKestrel1::StateButtonClick(int n) {
  const StateCentre& s = StateCentreTable.at(n - 1);
  long double homeLat = ReadHomeField(*CurrencyEdit2);
  long double homeLon = ReadHomeField(*CurrencyEdit1);
  BreakOutCity(StateKey(s), StateNote(s), homeLat, homeLon, s.lat, s.lon);
  openPlaceList();
  ChgButtonColors(n);
  PlaceButtonUsed = true;
}

void TKestrel1::SpeedButton51Click() {
  ListNotByPrefix = false;
  SpeedButton62->show();
  BreakOutCity(kDxccKey, "", 0, 0, 0, 0);
  openPlaceList();
  ChgButtonColors(51);
  PlaceButtonUsed = true;
}

void TKestrel1::SpeedButton61Click() {
  SpeedButton62->hide();
  ResetComboBox();
  windows().Grid->showModalWindow();
  ChgButtonColors(61);
}

// ---- Place box ----

void TKestrel1::ComboBox2DropDown() {
  ComboBox2->setTextL1("");
  StatusBar1->setPanelText(1, "");
  Timer1->setInterval(100);
}

void TKestrel1::Timer1Timer() {
  if (ComboBox2->droppedDown()) return;
  Timer1->setInterval(0);
  Panel1->setFocus();  // the box loses the focus: ComboBox2Exit takes the choice
}

void TKestrel1::ComboBox2KeyPress(QString& key) {
  // Keep the pointer off the list about to open, where it would change the highlighted entry.
  PointerService& pointer = *services().pointer;
  QPoint at = pointer.pos();
  QPoint boxTopLeft = ComboBox2->mapToGlobal(QPoint(0, 0));
  if (at.x() >= boxTopLeft.x() && at.y() <= boxTopLeft.y() + 365)
    pointer.setPos(Panel1->mapToGlobal(QPoint(0, 100)));
  ComboBox2->showPopup();
  if (key.size() == 1 && key[0] >= QChar('a') && key[0] <= QChar('z')) key = key.toUpper();
}

void TKestrel1::ComboBox2Change() {
  if (ListNotByPrefix) return;
  if (auto canonical = FindCanonicalPrefix(ComboBox2->textL1())) ComboBox2->setTextL1(*canonical);
  ComboBox2->lineEdit()->end(false);  // typing goes on behind the last character
}

void TKestrel1::placeBoxWarning(const std::string& text) {
  CentredWarning(text);
  ComboBox2->setFocus();
}

void TKestrel1::ComboBox2Exit() {
  const std::string text = ComboBox2->textL1();
  if (text.empty() || !PlaceButtonUsed) return;
  if (text == kPlaceBoxPromptB) {
    ComboBox2->setTextL1(kPlaceBoxIdle);
    if (ComboBox2->count() > 0) ComboBox2->setItemText(0, L1(std::string(kPlaceBoxPromptB)));
    return;
  }
  size_t north = text.find(Marker('N'));
  CoordPair = (north == std::string::npos ? text : text.substr(north)).substr(0, 100);
  if (!Contains(CoordPair, Marker('N')) && !Contains(CoordPair, Marker('S'))) {
    placeBoxWarning(NoNorthSouthWarning());
    return;
  }
  if (!Contains(CoordPair, Marker('E')) && !Contains(CoordPair, Marker('W'))) {
    placeBoxWarning(NoWestEastWarning());
    return;
  }
  DecMinsResult converted = ConvertToDecMins(CoordPair);
  if (!converted.ok) {
    placeBoxWarning(converted.warning);
    return;
  }
  CoordPair = converted.pair;
  LatLon target = SplitCoordPair(CoordPair);
  HeadingNote = "   " + text;
  long double homeLat = ReadHomeField(*CurrencyEdit2);
  long double homeLon = ReadHomeField(*CurrencyEdit1);
  BreakOutCity(kShowOnlyKey, HeadingNote, homeLat, homeLon, target.lat, target.lon);
  // The whole text selected, its beginning in view.
  ComboBox2->setFocus();
  ComboBox2->lineEdit()->end(false);
  ComboBox2->lineEdit()->home(true);
  DistanceDisplay();
}

void TKestrel1::SpeedButton62Click() {
  if (SpeedButton62->isChecked()) {
    ComboBox2->clearAll();
    for (const std::string& item : ListBox1) ComboBox2->addItemL1(item);
    ListNotByPrefix = true;
    ComboBox2->setTextL1("DXCC sorted by country.");
  } else {
    ComboBox2->setTextL1("");
    ComboBox2->clearAll();
    for (const std::string& entry : EntriesForKey(PlaceList, kDxccKey)) ComboBox2->addItemL1(entry);
    ListNotByPrefix = false;
    ComboBox2->setTextL1("DXCC sorted by prefix.");
  }
  ComboBox2->setFocus();
}

// ---- Command buttons ----

void TKestrel1::SpeedButton55Click() {
  SpeedButton62->hide();
  ResetComboBox();
  windows().Home->showModalWindow();
}

void TKestrel1::SpeedButton56Click() {
  PlaceList.clear();
  // A clocks file that cannot be written is reported, and the program still closes.
  guard([this] { InitializeParameters("ParmUpdate"); });
  close();
}

void TKestrel1::SpeedButton57Click() { windows().USMap->showModalWindow(); }
void TKestrel1::SpeedButton58Click() { windows().WorldMap->showModalWindow(); }
void TKestrel1::SpeedButton59Click() { windows().USBands->showModalWindow(); }
void TKestrel1::SpeedButton63Click() { windows().Clock2->showModalWindow(); }
void TKestrel1::SpeedButton52Click() { windows().About->showModalWindow(); }

void TKestrel1::SpeedButton53Click() {
  // Without a system tray the window could not be brought back: minimise it instead.
  if (QSystemTrayIcon::isSystemTrayAvailable())
    hide();
  else
    showMinimized();
}

void TKestrel1::RxTrayIcon1Click() {
  showNormal();
  raise();
  activateWindow();
}

void TKestrel1::closeEvent(QCloseEvent* e) {
  guard([this] { SavePrefs(); });
  TForm::closeEvent(e);
  if (e->isAccepted()) {
    RxTrayIcon1->hide();
    QApplication::quit();
  }
}

// ---- Timers and the status bar ----

void TKestrel1::Panel4MouseMove() { HoverFlag = true; }

void TKestrel1::Timer2Timer() {
  if (HoverFlag) {
    // Clears a hover highlight that a button kept after the pointer left it.
    for (TSpeedButton* b : findChildren<TSpeedButton*>()) {
      b->setEnabled(false);
      b->setEnabled(true);
    }
    HoverFlag = false;
  }
  QDateTime utc = services().clock->utcNow();
  int minute = utc.time().minute();
  if (minute == LastClockMinute) return;
  LastClockMinute = minute;
  Panel8->hide();
  StatusBar1->setPanelWidth(0, 390);
  QTime local = services().clock->localNow().time();
  ToolbarClocks c = FormatToolbarClocks(local.hour(), local.minute(), utc.time().hour(), minute,
                                        PrefsFlags.size() >= 2 && PrefsFlags[1] == '1');
  Label6->setTextL1(c.local);
  Label3->setTextL1(c.utc);
}

void TKestrel1::StatusBar1DblClick() {
  const std::string& text = StatusBar1->panelText(0);
  int width = QFontMetrics(font()).horizontalAdvance(L1(text));
  if (text != kDegreesIdle && width > 382) {
    StatusBar1->setPanelWidth(0, 500);
    Panel8->show();
    Panel8->raise();
  }
}

void TKestrel1::Panel8DblClick() {
  Panel8->hide();
  StatusBar1->setPanelWidth(0, 390);
}

}  // namespace kestrel
