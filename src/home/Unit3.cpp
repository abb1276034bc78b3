#include "home/Unit3.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/Kestrel.h"
#include "app/Unit1.h"
#include "core/numbers.h"
#include "core/text.h"
#include "geo/coord_text.h"
#include "home/zones.h"
#include "platform/controls.h"
#include "platform/guard.h"

namespace kestrel {
namespace {

// The minutes of a coordinate text: the characters after the first "." (at most ten), or the
// first ten characters when there is no ".".
std::string MinutesOf(const std::string& text) {
  size_t dot = text.find('.');
  return dot == std::string::npos ? text.substr(0, 10) : text.substr(dot + 1, 10);
}

void CheckMinutes(const std::string& text) {
  if (MinutesOf(text).size() != 2) {
    CentredWarning(std::string("Minutes must be two characters in length."));
    throw Abort{};
  }
}

void CheckMinuteRange(const std::string& text) {
  long double m = 0;
  // Two characters that are no number are as wrong as minutes out of range.
  if (!TryStrToFloat(MinutesOf(text), m) || m < 0 || m > 59) {
    CentredWarning(std::string("Minutes must be between 00 and 59."));
    throw Abort{};
  }
}

}  // namespace

THome::THome(QWidget* parent)
    : TForm(QStringLiteral("Home"), QStringLiteral("Home Parameters"), QSize(186, 184),
            colors::Sand, parent) {
  // A dialog frame with no title-bar buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  auto label = [this](const QString& text, int x, int y) {
    auto* l = new QLabel(text, this);
    l->move(x, y);
    SetTextColor(l, colors::Navy);
    return l;
  };
  auto edit = [this](const QString& name, int y, const QString& hint) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setGeometry(72, y, 106, 21);
    e->setToolTip(hint);
    e->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    e->setValidator(new Latin1Validator(e));
    return e;
  };
  Label2 = label(QString::fromLatin1("N\xB0'/ S\xB0'"), 8, 9);
  Edit1 = edit(QStringLiteral("Edit1"), 5, QString::fromLatin1("Double click to change NS\xB0"));
  Label1 = label(QString::fromLatin1("W\xB0'/ E\xB0'"), 8, 33);
  Edit2 = edit(QStringLiteral("Edit2"), 29, QString::fromLatin1("Double click to change WE\xB0"));
  Label3 = label(QStringLiteral("GMT Offset"), 8, 57);
  CurrencyEditGMT3 = new TCurrencyEdit(QStringLiteral("CurrencyEditGMT3"), "0", this);
  CurrencyEditGMT3->setGeometry(72, 53, 40, 21);
  CurrencyEditGMT3->setReadOnly(true);
  Label4 = label(QStringLiteral("Offset List"), 8, 81);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setGeometry(72, 77, 106, 21);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  ComboBox1->lineEdit()->setValidator(new Latin1Validator(ComboBox1));
  for (const ZoneEntry& z : ZoneOffsets) ComboBox1->addItem(QString::fromLatin1(z.text));
  ComboBox1->view()->setMinimumWidth(430);  // the long zone texts show whole in the list
  CheckBox2 = new QCheckBox(QStringLiteral("Display Military Time"), this);
  CheckBox2->setGeometry(8, 102, 170, 17);
  CheckBox1 = new QCheckBox(QStringLiteral("Display Long Path"), this);
  CheckBox1->setGeometry(8, 120, 170, 17);
  Label5 = label(QStringLiteral("Distance:"), 8, 141);
  RadioButton1 = new QRadioButton(QStringLiteral("Miles"), this);
  RadioButton1->setGeometry(56, 139, 48, 17);
  RadioButton2 = new QRadioButton(QStringLiteral("Kilometers"), this);
  RadioButton2->setGeometry(104, 139, 80, 17);
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox1, CheckBox2, RadioButton1, RadioButton2})
    SetTextColor(w, colors::Navy);
  SavePanel = new TPanel(QStringLiteral("SavePanel"), this);
  SavePanel->setGeometry(58, 160, 70, 20);
  SavePanel->setColor(colors::Tan);
  SavePanel->setFocusPolicy(Qt::StrongFocus);
  SpeedButton54 = new TSpeedButton(QStringLiteral("SpeedButton54"), SavePanel);
  SpeedButton54->setGeometry(0, 0, 70, 20);
  SpeedButton54->setText(QStringLiteral("Save"));

  connect(CheckBox1, &QCheckBox::toggled, this, &THome::longPathChanged);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this,
          [this](int i) { guard([this, i] { ComboBox1Change(i); }); });
  connect(ComboBox1, &QComboBox::editTextChanged, this, [this](const QString& text) {
    // Text typed that names no entry leaves no entry selected.
    if (ComboBox1->currentIndex() >= 0 && text != ComboBox1->itemText(ComboBox1->currentIndex()))
      guard([this] { ComboBox1Change(-1); });
  });
  connect(SpeedButton54, &QToolButton::clicked, this, [this] { guard([this] { SpeedButton54Click(); }); });
  BindHemisphereToggle(Edit1, 'N', 'S');
  BindHemisphereToggle(Edit2, 'W', 'E');
  // The offset is changed only through the list.
  OnFocusIn(CurrencyEditGMT3, [this] { ComboBox1->setFocus(); });
}

bool THome::miles() const { return RadioButton1->isChecked(); }
bool THome::longPath() const { return CheckBox1->isChecked(); }
void THome::setLongPath(bool on) { CheckBox1->setChecked(on); }
double THome::gmtOffset() const { return static_cast<double>(CurrencyEditGMT3->value()); }
void THome::setGmtOffset(double hours) { CurrencyEditGMT3->setValue(hours); }

void THome::setHomeTexts(const std::string& latText, const std::string& lonText) {
  Edit1->setText(L1(latText));
  Edit2->setText(L1(lonText));
  savedLat_ = latText;
  savedLon_ = lonText;
}

std::string THome::latText() const { return L1(Edit1->text()); }
std::string THome::lonText() const { return L1(Edit2->text()); }

void THome::FormActivate() {
  if (reactivated()) return;  // each showing, not each return from another program
  // Selecting in code does not count as the user's choice: the offset stays as it is.
  QSignalBlocker block(ComboBox1);
  ComboBox1->setCurrentIndex(ZoneIndex);
  ComboBox1->lineEdit()->setCursorPosition(0);  // the entry's text from its beginning
  SavePanel->setFocus();
}

void THome::ComboBox1Change(int index) {
  ZoneIndex = index;
  if (index >= 0 && index < static_cast<int>(ZoneOffsets.size()))
    setGmtOffset(ZoneOffsets[index].offset);
}

void THome::SpeedButton54Click() {
  std::string lat = latText(), lon = lonText();
  CheckMinutes(lon);
  CheckMinutes(lat);
  CheckMinuteRange(lon);
  CheckMinuteRange(lat);
  TKestrel1* main = windows().Kestrel1;
  main->CoordPair = lat + "\\" + lon;
  DecMinsResult converted = ConvertToDecMins(main->CoordPair);
  if (!converted.ok) {
    CentredWarning(converted.warning);
    throw Abort{};
  }
  main->CoordPair = converted.pair;
  main->StoreHomePair(lat, lon, converted.pair);
  savedLat_ = lat;
  savedLon_ = lon;
  close();
}

void THome::closeEvent(QCloseEvent* e) {
  // Left without Save (a close command of the desktop): the texts return to what was saved,
  // so that the preferences file never receives unchecked texts.
  Edit1->setText(L1(savedLat_));
  Edit2->setText(L1(savedLon_));
  TForm::closeEvent(e);
}

}  // namespace kestrel
