#include "clocks/ClkUnit2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "clocks/clock_text.h"
#include "core/text_file.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/services.h"

namespace kestrel {
namespace {

const QColor kEditColor(192, 176, 144);  // 9482432
const QColor kBlue(0, 0, 255), kYellow(255, 255, 0), kRed(255, 0, 0);

std::string ClocksPath() { return JoinPath(services().programFolder, kClocksFile); }

}  // namespace

// ---- The home clock display ----

TRxClock::TRxClock(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  timer_ = new TTimer(450, this);
  connect(timer_, &TTimer::timeout, this, [this] { refresh(); });
}

void TRxClock::refresh() {
  QTime t = onGetTime ? onGetTime() : QTime::currentTime();
  text_ = twentyFour_ ? t.toString(QStringLiteral("HH:mm")) : t.toString(QStringLiteral("h:mm AP"));
  update();
}

void TRxClock::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kBlue);
  p.setPen(kYellow);
  QFont f = LayoutFont("Arial", 16, true);
  p.setFont(f);
  p.drawText(rect(), Qt::AlignCenter, text_);
}

// ---- The window ----

TClock2::TClock2(QWidget* parent)
    : TForm(QStringLiteral("Clock2"), QStringLiteral("Clocks"), QSize(414, 348), colors::Sand, parent) {
  // No system menu, no minimise box, no close box: OK is the only way out.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
  auto edit = [this](const QString& name, const QRect& r) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setGeometry(r);
    e->setFrame(false);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setValidator(new Latin1Validator(e));
    setEditColor(e, false);
    return e;
  };
  auto timePanel = [this](const QString& name, const QRect& r) {
    auto* p = new TPanel(name, this);
    p->setGeometry(r);
    p->setColor(kBlue);
    p->setBevels(TPanel::Bevel::None, TPanel::Bevel::Lowered);
    QPalette pal = p->palette();
    pal.setColor(QPalette::WindowText, kYellow);
    p->setPalette(pal);
    p->setFont(LayoutFont("MS Sans Serif", 13, true));
    return p;
  };
  Edit0 = edit(QStringLiteral("Edit0"), QRect(53, 1, 96, 15));
  Edit0->setText(QStringLiteral("       Home Time"));
  RxClock2 = new TRxClock(QStringLiteral("RxClock2"), this);
  RxClock2->setGeometry(52, 17, 98, 22);
  Edit26 = edit(QStringLiteral("Edit26"), QRect(261, 1, 96, 15));
  Edit26->setText(QStringLiteral("            GMT"));
  Panel25 = timePanel(QStringLiteral("Panel25"), QRect(260, 17, 98, 22));
  for (int i = 1; i <= kPlaceClocks; ++i) {
    const int col = (i - 1) % 4, row = (i - 1) / 4;
    Panels[i - 1] = timePanel(QStringLiteral("Panel%1").arg(i), QRect(2 + 104 * col, 44 + 48 * row, 98, 22));
    Edits[i - 1] = edit(QStringLiteral("Edit%1").arg(i), QRect(3 + 104 * col, 67 + 48 * row, 96, 15));
    Panels[i - 1]->installEventFilter(this);
  }
  CheckBox1 = new QCheckBox(QStringLiteral("Military"), this);
  CheckBox1->setGeometry(4, 328, 60, 16);
  SetTextColor(CheckBox1, colors::Navy);
  SpeedButton1 = new TSpeedButton(QStringLiteral("SpeedButton1"), this);
  SpeedButton1->setGeometry(128, 323, 76, 24);
  SpeedButton1->setText(QStringLiteral("OK"));
  SpeedButton2 = new TSpeedButton(QStringLiteral("SpeedButton2"), this);
  SpeedButton2->setGeometry(209, 323, 76, 24);
  SpeedButton2->setText(QStringLiteral("Reset"));
  SpeedButton2->setEnabled(false);
  RxLabel1 = new TLabel(QStringLiteral("RxLabel1"), this);
  RxLabel1->setGeometry(390, 0, 21, 12);
  RxLabel1->setText(QStringLiteral("Help"));
  RxLabel1->setAutoFillBackground(true);
  RxLabel1->setFont(LayoutFont("Arial", 9));
  {
    QPalette p = RxLabel1->palette();
    p.setColor(QPalette::Window, colors::Navy);
    p.setColor(QPalette::WindowText, kYellow);
    RxLabel1->setPalette(p);
  }
  Panel26 = new TPanel(QStringLiteral("Panel26"), this);
  Panel26->setGeometry(57, 114, 300, 133);
  Panel26->setColor(kEditColor);
  auto* help = new QLabel(Panel26);
  help->setGeometry(6, 6, 288, 121);
  help->setAutoFillBackground(true);
  {
    QPalette p = help->palette();
    p.setColor(QPalette::Window, colors::Sand);
    p.setColor(QPalette::WindowText, colors::Navy);
    help->setPalette(p);
  }
  help->setText(QStringLiteral(
      "Enter place name followed by GMToffset in brackets in the\n"
      "individual place boxes, click Reset,  and times will then be\n"
      "displayed.\n"
      " \n"
      "Example:   Bayside   [-6]\n"
      "Example:   India   [5.5]\n"
      "The offsets can be hidden outside of the box view if desired.\n"
      " \n"
      "Right click on time to change to and from DST (hh:mmAM*)."));
  Panel26->hide();
  PopupMenu1 = new QMenu(this);
  StdTime1 = PopupMenu1->addAction(QStringLiteral("Std Time"));
  DSTime1 = PopupMenu1->addAction(QStringLiteral("DS Time"));
  StdTime1->setCheckable(true);
  DSTime1->setCheckable(true);

  RxClock2->onGetTime = [this] {
    QTime t;
    guard([&] { t = RxClock2GetTime(); });
    return t.isValid() ? t : services().clock->localNow().time();
  };
  for (QLineEdit* e : Edits)
    connect(e, &QLineEdit::textChanged, this, [this] { guard([this] { Edit1Change(); }); });
  connect(CheckBox1, &QCheckBox::clicked, this, [this] { guard([this] { CheckBox1Click(); }); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { guard([this] { SpeedButton1Click(); }); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { guard([this] { SpeedButton2Click(); }); });
  connect(StdTime1, &QAction::triggered, this, [this] { guard([this] { SetDaylightSaving(false); }); });
  connect(DSTime1, &QAction::triggered, this, [this] { guard([this] { SetDaylightSaving(true); }); });
  connect(RxLabel1, &TLabel::mouseEntered, Panel26, [this] { Panel26->show(); Panel26->raise(); });
  connect(RxLabel1, &TLabel::mouseLeft, Panel26, &QWidget::hide);

  ClockFlagLine = kClockFlagLineStart;
  guard([this] { FormCreate(); });
}

void TClock2::setEditColor(QLineEdit* e, bool red) {
  QPalette p = e->palette();
  p.setColor(QPalette::Base, red ? kRed : kEditColor);
  p.setColor(QPalette::Text, colors::Navy);
  e->setPalette(p);
}

void TClock2::FormCreate() {
  InitializeParameters("PgmStart");
  for (int i = 0; i < kPlaceClocks; ++i) {
    Tags[i] = SwitchOn(ClockFlagLine, i + 1) ? 1 : 0;
  }
  UpdateClocks();
}

void TClock2::InitializeParameters(const std::string& mode) {
  if (mode == "PgmStart") {
    // No file yet is the normal first run: the start values stand.
    if (!FileExists(ClocksPath())) return;
    ClocksFileContent c = ReadClocksFile(LoadLines(ClocksPath()));
    ClockFlagLine = c.flagLine;
    for (int i = 0; i < kPlaceClocks; ++i) {
      QSignalBlocker block(Edits[i]);
      Edits[i]->setText(L1(c.names[i]));
    }
  } else if (mode == "ParmUpdate") {
    ClocksFileContent c;
    c.flagLine = ClockFlagLine;
    for (int i = 0; i < kPlaceClocks; ++i) c.names[i] = L1(Edits[i]->text());
    SaveLines(ClocksPath(), ClocksFileLines(c));
  }
}

void TClock2::UpdateClocks() {
  for (int i = 0; i < kPlaceClocks; ++i) ShowPlaceTime(i);
}

void TClock2::ShowPlaceTime(int i) {
  const QTime utc = services().clock->utcNow().time();
  const bool military = CheckBox1->isChecked();
  const std::string text = L1(Edits[i]->text());
  PlaceTime t = kestrel::ShowPlaceTime(text, Tags[i] == 1, military, utc.hour(), utc.minute());
  switch (t.kind) {
    case PlaceTime::Empty:
      Panels[i]->setCaption("");
      return;
    case PlaceTime::OutOfRange:
      setEditColor(Edits[i], true);
      Panels[i]->setCaption(t.caption);
      return;
    case PlaceTime::FractionRejected:
      FractionError = true;
      // One warning box at a time: the ticks go on behind an open box.
      if (!warningOpen_) {
        warningOpen_ = true;
        CentredWarning(t.warning);
        warningOpen_ = false;
      }
      return;
    case PlaceTime::Shown:
      setEditColor(Edits[i], false);
      Panels[i]->setCaption(t.caption);
      RxClock2->setTwentyFourHour(military);
      return;
  }
}

QTime TClock2::RxClock2GetTime() {
  const QTime local = services().clock->localNow().time();
  if (ClocksEditing) return local;
  const QTime utc = services().clock->utcNow().time();
  if (utc.minute() == LastMinute) return local;
  LastMinute = utc.minute();
  Panel25->setCaption(GmtClockText(utc.hour(), utc.minute(), CheckBox1->isChecked()));
  UpdateClocks();
  return local;
}

void TClock2::Edit1Change() {
  if (!ClocksActive) return;
  ClocksEditing = true;
  SpeedButton1->setEnabled(false);
  SpeedButton2->setEnabled(true);
}

void TClock2::CheckBox1Click() {
  SpeedButton1->setEnabled(false);
  SpeedButton2->setEnabled(true);
  Panels[0]->setFocus();
}

void TClock2::SetDaylightSaving(bool on) {
  for (int i = 0; i < kPlaceClocks; ++i)
    if (Panels[i]->objectName() == QString::fromLatin1(PopupPanelName.c_str())) Tags[i] = on ? 1 : 0;
  Edit1Change();
}

bool TClock2::eventFilter(QObject* watched, QEvent* e) {
  for (int i = 0; i < kPlaceClocks; ++i) {
    if (watched != Panels[i]) continue;
    if (e->type() == QEvent::MouseButtonPress) {
      PopupPanelName = L1(Panels[i]->objectName());
      DSTime1->setChecked(Tags[i] == 1);
      StdTime1->setChecked(Tags[i] != 1);
    } else if (e->type() == QEvent::MouseButtonRelease) {
      auto* m = static_cast<QMouseEvent*>(e);
      // The menu opens on a right click, and only over a panel that shows a time.
      if (m->button() == Qt::RightButton && !Panels[i]->caption().empty())
        PopupMenu1->popup(m->globalPosition().toPoint());
    }
  }
  return TForm::eventFilter(watched, e);
}

void TClock2::SpeedButton2Click() {
  FractionError = false;
  UpdateClocks();
  if (FractionError) return;
  // Each box's view goes back to its first character, so offsets pushed right stay hidden.
  for (QLineEdit* e : std::initializer_list<QLineEdit*>{Edit0, Edit26}) e->setCursorPosition(0);
  for (QLineEdit* e : Edits) {
    QSignalBlocker block(e);
    e->setText(e->text());
    e->setCursorPosition(0);
  }
  try {
    InitializeParameters("ParmUpdate");
  } catch (const std::exception& ex) {
    // The file stays as it was; OK is enabled so that the window can still be left.
    services().messages->error(QString::fromLatin1(ex.what()));
    SpeedButton1->setEnabled(true);
    return;
  }
  ClocksEditing = false;
  LastMinute = 99;
  SpeedButton1->setEnabled(true);
  SpeedButton2->setEnabled(false);
}

void TClock2::SpeedButton1Click() {
  for (int i = 0; i < kPlaceClocks; ++i) SetSwitch(ClockFlagLine, i + 1, Tags[i] == 1);
  closingByOk_ = true;
  close();
  closingByOk_ = false;
}

bool TClock2::event(QEvent* e) {
  if (e->type() == QEvent::WindowDeactivate) ClocksActive = false;
  return TForm::event(e);
}

void TClock2::closeEvent(QCloseEvent* e) {
  // OK is the only way out of the window.
  if (!closingByOk_) {
    e->ignore();
    return;
  }
  TForm::closeEvent(e);
}

}  // namespace kestrel
